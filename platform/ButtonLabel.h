#pragma once

#include <QColor>
#include <QLabel>

#include <QString>

#include "platform/ClickTracker.h"

namespace zandoli {

// A button as the game draws one: a bordered text label that acts on a mouse
// click (press and release inside it). A disabled button ignores clicks and
// looks disabled (its text dimmed), whatever its text colour.
class ButtonLabel : public QLabel {
    Q_OBJECT

public:
    ButtonLabel(const QString& text, QWidget* parent);
    void setTextColour(const QColor& colour);
    void setBackColour(const QColor& colour);
    QColor textColour() const { return text_; }
    QColor backColour() const { return back_; }
    // A press from elsewhere than the mouse (a screen reader's press action):
    // clicks as the mouse would, and not while disabled.
    void press();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void restyle();
    QColor text_ = Qt::yellow;
    QColor back_ = Qt::black;
    ClickTracker clicks_;
};

}  // namespace zandoli
