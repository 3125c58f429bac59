#pragma once

#include <QCheckBox>
#include <QPointer>
#include <QSize>
#include <array>

#include "engine/GameState.h"
#include "platform/ButtonLabel.h"
#include "platform/PictureBox.h"
#include "platform/Screen.h"

namespace zandoli {

class ScreenRegistry;

// The set-up screen: the Play Sound and Hide Desktop options,
// the player-count buttons that start a game, the rules, the makers' web
// site, and the way back to the title screen.
class SetupScreen : public Screen {
    Q_OBJECT

public:
    explicit SetupScreen(ScreenRegistry& screens);

    // Whether a display of this size (in twips) offers the Hide Desktop box.
    static bool offersHideDesktop(QSize display);

    void playSoundClicked();
    void hideDesktopClicked();
    void playersPressed(int players);  // 1 to 4
    void websitePressed();             // the heading and the web address both open it
    void exitPressed();
    void rulesPressed();
    void resultsPressed();
    void namesPressed();  // the Player Names dialog

protected:
    QWidget* createWindow() override;
    void onLoad() override;
    void onRebuilding() override;
    void onRebuilt() override;

private:
    static constexpr int PLAYER_BUTTONS = PLAYING_COLOURS;

    // The load steps after the position; false when one failed.
    bool loadSteps();

    ScreenRegistry& screens_;
    QPointer<PictureBox> logo_;
    QPointer<QCheckBox> playSoundBox_;
    QPointer<QCheckBox> hideDesktopBox_;
    // Play Sound as the player left it, across a rebuild.
    bool soundKept_ = true;
};

}  // namespace zandoli
