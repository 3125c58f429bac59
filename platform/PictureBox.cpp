#include "platform/PictureBox.h"

#include <QMouseEvent>

#include "platform/Platform.h"

namespace zandoli {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool PictureBox::setPicture(const QString& written) {
    name_ = written;
    const QPixmap& shown = zandoli::picture(written);
    if (shown.isNull()) {
        clear();
        return false;
    }
    setPixmap(shown);
    adjustSize();
    return true;
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    clicks_.press(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.release(event, *this)) {
        emit clicked();
    }
}

}  // namespace zandoli
