#include "platform/PictureBox.h"

#include "platform/Platform.h"

namespace zandoli {

PictureBox::PictureBox(QWidget* parent) : ClickableLabel(QString(), parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool PictureBox::setPicture(const QString& name) {
    name_ = name;
    const QPixmap& shown = zandoli::picture(name);
    if (shown.isNull()) {
        clear();
        return false;
    }
    setPixmap(shown);
    adjustSize();
    return true;
}

}  // namespace zandoli
