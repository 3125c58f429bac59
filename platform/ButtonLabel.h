#pragma once

#include <QColor>
#include <QString>

#include "platform/ClickableLabel.h"

namespace zandoli {

// A button: a bordered, centred text label on a filled background that acts
// on a click. A disabled button ignores clicks and looks disabled (its text
// dimmed), whatever its text colour. It takes the focus from Tab and a click,
// and acts on Space and Enter. To a screen reader it is a button whose press
// action is press() (see Speech.cpp).
class ButtonLabel : public ClickableLabel {
    Q_OBJECT

public:
    ButtonLabel(const QString& text, QWidget* parent);
    void setTextColour(const QColor& colour);
    void setBackColour(const QColor& colour);
    QColor textColour() const { return text_; }
    QColor backColour() const { return back_; }

private:
    void restyle();
    QColor text_ = Qt::yellow;
    QColor back_ = Qt::black;
};

}  // namespace zandoli
