#include "platform/ButtonLabel.h"

#include <QPalette>

#include "platform/KeyboardFocus.h"
#include "platform/Speech.h"
#include "platform/Units.h"

namespace zandoli {

namespace {

// A disabled button's text sits half way between its text and back colours,
// so it reads as switched off in every player's colour scheme.
QColor dimmed(const QColor& text, const QColor& back) {
    return QColor((text.red() + back.red()) / 2, (text.green() + back.green()) / 2,
                  (text.blue() + back.blue()) / 2);
}

}  // namespace

ButtonLabel::ButtonLabel(const QString& text, QWidget* parent) : ClickableLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    // The border is drawn in the text colour: on the game's black and
    // coloured backgrounds a black border would not show.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(units::line(1));
    setAutoFillBackground(true);
    restyle();
    // Tab reaches a button. Qt's own focus policy is left off: a label that
    // takes the focus lays its text out a pixel differently, and a mouse
    // player must see the buttons exactly as before.
    keyboard::makeTabStop(this);
    speech::installControlRoles();
    keyboard::install();
}

void ButtonLabel::setTextColour(const QColor& colour) {
    text_ = colour;
    restyle();
}

void ButtonLabel::setBackColour(const QColor& colour) {
    back_ = colour;
    restyle();
}

void ButtonLabel::restyle() {
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, text_);
    }
    // A label whose text is laid out as rich text draws it, disabled, in the
    // Text role rather than WindowText.
    for (auto role : {QPalette::WindowText, QPalette::Text}) {
        p.setColor(QPalette::Disabled, role, dimmed(text_, back_));
    }
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, back_);
    }
    setPalette(p);
}

}  // namespace zandoli

#include "moc_ButtonLabel.cpp"
