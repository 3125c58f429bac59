#include "platform/FitText.h"

#include <QCheckBox>
#include <QLabel>
#include <QVariant>

namespace zandoli {

namespace {

// Below this the text would be too small for a child to read; it is left
// there rather than made smaller still.
constexpr int SMALLEST_PIXELS = 9;

bool fits(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            return label->heightForWidth(label->width()) <= label->height();
        }
        return label->fontMetrics().horizontalAdvance(label->text()) <= room.width();
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        return box->sizeHint().width() <= box->width();
    }
    return true;
}

}  // namespace

void fitText(QWidget* control) {
    if (control == nullptr) {
        return;
    }
    // Each new text starts again from the type the control was built with,
    // so a short text after a long one is not left small.
    const char* designed = "zandoliDesignedFont";
    if (!control->property(designed).isValid()) {
        control->setProperty(designed, control->font());
    }
    QFont font = control->property(designed).value<QFont>();
    control->setFont(font);
    while (!fits(control) && font.pixelSize() > SMALLEST_PIXELS) {
        font.setPixelSize(font.pixelSize() - 1);
        control->setFont(font);
    }
}

void fitToRight(QLabel* label, int right) {
    label->adjustSize();
    QFont font = label->font();
    while (label->geometry().right() >= right && font.pixelSize() > SMALLEST_PIXELS) {
        font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
        label->adjustSize();
    }
}

}  // namespace zandoli
