#pragma once

#include "platform/Screen.h"

namespace zandoli {

// The rules of the game as fixed text at the table size, with
// a button that hands the printable rules document to the desktop.
class RulesScreen : public Screen {
    Q_OBJECT

public:
    RulesScreen();

    void printPressed();  // Open Rules Document for Printing
    void exitPressed();

protected:
    QWidget* createWindow() override;
    void onLoad() override;
};

}  // namespace zandoli
