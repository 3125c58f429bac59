#pragma once

#include "Screen.h"

namespace zandoli {

class ScreenRegistry;

// `Tirrarules`, the rules of the game as fixed text at the table size, with
// a button that hands the printable rules document to the desktop.
class RulesScreen : public Screen {
    Q_OBJECT

public:
    explicit RulesScreen(ScreenRegistry& screens);

    void Label2_Click();           // Open Rules Document for Printing
    void Label3_Click(int index);  // Exit

protected:
    QWidget* createwindow() override;
    void Form_Load() override;

private:
    ScreenRegistry& screens_;
};

}  // namespace zandoli
