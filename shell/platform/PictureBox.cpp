#include "PictureBox.h"

#include <QMouseEvent>

#include "Platform.h"

namespace zandoli {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool PictureBox::setpicture(const QString& written) {
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
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

}  // namespace zandoli
