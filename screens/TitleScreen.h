#pragma once

#include <QPointer>

#include "platform/ButtonLabel.h"
#include "platform/PictureBox.h"
#include "platform/Screen.h"

namespace zandoli {

class ScreenRegistry;

// The screen the program starts with: the title, the opening
// picture and the buttons to restart the saved game, go on to the set-up
// screen, or end the program.
class TitleScreen : public Screen {
    Q_OBJECT

public:
    explicit TitleScreen(ScreenRegistry& screens);

    // The start button's caption ("OK" after a load, "Cancel" after a table
    // is left); touching it loads the screen.
    void setStartCaption(const QString& caption);
    QString startCaption();

    void okPressed();  // OK, or Cancel after a table's Exit
    void restartPressed();
    void exitPressed();

protected:
    QWidget* createWindow() override;
    void onLoad() override;

private:
    ScreenRegistry& screens_;
    QPointer<PictureBox> openingPicture_;
    QPointer<ButtonLabel> okButton_;
};

}  // namespace zandoli
