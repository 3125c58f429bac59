#pragma once

#include "platform/Screen.h"

namespace zandoli {

// The full-screen backdrop that hides the desktop behind the game's
// screens. It has no controls and stays beneath every other screen.
class Backdrop : public Screen {
    Q_OBJECT

public:
    Backdrop();

protected:
    QWidget* createWindow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zandoli
