#pragma once

#include <QPointer>

#include "ButtonLabel.h"
#include "PictureBox.h"
#include "Screen.h"

namespace zandoli {

class ScreenRegistry;

// `Titlefrm`, the screen the program starts with: the title, the opening
// picture and the buttons to restart the saved game, go on to the set-up
// screen, or end the program.
class TitleScreen : public Screen {
    Q_OBJECT

public:
    explicit TitleScreen(ScreenRegistry& screens);

    // The start button's caption ("OK" after a load, "Cancel" after a table
    // is left); touching it loads the screen.
    void setstartcaption(const QString& caption);
    QString startcaption();

    void Label5_Click();  // OK / Cancel
    void Label6_Click();  // Restart Previous Game
    void Label7_Click();  // Exit

protected:
    QWidget* createwindow() override;
    void Form_Load() override;

private:
    ScreenRegistry& screens_;
    QPointer<PictureBox> picture1_;
    QPointer<ButtonLabel> label5_;
};

}  // namespace zandoli
