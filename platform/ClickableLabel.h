#pragma once

#include <QLabel>
#include <QString>

class QKeyEvent;
class QMouseEvent;

namespace zandoli {

// A label that reports clicks: the left button pressed and released inside
// it, or Space or Enter while it has the focus. A disabled label reports
// none, from the mouse, the keyboard or press(). The game's buttons,
// captions and pictures all click this way; only buttons take the focus.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent);
    // A press from elsewhere than the mouse (a screen reader's press action):
    // clicks as the mouse would, and not while disabled.
    void press();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The left button went down inside the label and has not come up yet.
    bool pressed_ = false;
};

}  // namespace zandoli
