#pragma once

#include <QPointer>

#include "engine/GameState.h"
#include "platform/ButtonLabel.h"
#include "platform/PictureBox.h"
#include "platform/Screen.h"

namespace zandoli {

// The screen the program starts with: the title, the opening
// picture and the buttons to restart the saved game, go on to the set-up
// screen, or end the program (its closeRequested).
class TitleScreen : public Screen {
    Q_OBJECT

public:
    explicit TitleScreen(GameState& state);

    // The start button's caption ("OK" after a load, "Cancel" after a table
    // is left); touching it loads the screen.
    void setStartCaption(const QString& caption);
    QString startCaption();

    void okPressed();  // OK, or Cancel after a table's Exit
    void restartPressed();
    void exitPressed();

signals:
    // OK: the registry brings the backdrop and the set-up screen.
    void setupRequested();
    // Restart Previous Game: the registry reopens the saved game.
    void restoreRequested();

protected:
    QWidget* createWindow() override;
    void onLoad() override;

private:
    GameState& state_;
    QPointer<PictureBox> openingPicture_;
    QPointer<ButtonLabel> okButton_;
};

}  // namespace zandoli
