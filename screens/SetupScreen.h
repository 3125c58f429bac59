#pragma once

#include <QCheckBox>
#include <QPointer>
#include <QSize>
#include <array>
#include <cstdint>

#include "engine/GameState.h"
#include "platform/ButtonLabel.h"
#include "platform/ClickLabel.h"
#include "platform/PictureBox.h"
#include "platform/Screen.h"

namespace zandoli {

// The set-up screen: the Play Sound and Hide Desktop options,
// the player-count buttons that start a game, the rules, the results, the
// makers' web site, and the way back to the title screen (closeRequested).
class SetupScreen : public Screen {
    Q_OBJECT

public:
    // `hideDesktop`: whether the backdrop is up, which the Hide Desktop box shows.
    explicit SetupScreen(const int16_t& hideDesktop);

    // Whether a display of this size (in twips) offers the Hide Desktop box.
    static bool offersHideDesktop(QSize display);

    void playSoundClicked();
    void hideDesktopClicked();
    // Explain Mistakes: remembered for this user at once.
    void explainClicked();
    void playersPressed(int players);  // 1 to 4
    void websitePressed();             // the heading and the web address both open it
    void exitPressed();
    void rulesPressed();
    void resultsPressed();
    void namesPressed();  // the Player Names dialog
    void lessonPressed();
    // The lesson's name, and the controls a locked computer leaves out.
    void showLesson();

signals:
    // A player count was pressed: the registry deals a game at its table,
    // with sound as Play Sound says.
    void gameRequested(int players, bool sound);
    // Hide Desktop was ticked or unticked: the registry shows or takes down
    // the backdrop.
    void hideDesktopChosen(bool hide);
    void rulesRequested();
    void resultsRequested();
    // Lesson…: the registry opens the lesson chooser over the set-up.
    void lessonRequested();

protected:
    QWidget* createWindow() override;
    void onLoad() override;
    void onRebuilding() override;
    void onRebuilt() override;

private:
    static constexpr int PLAYER_BUTTONS = PLAYING_COLOURS;

    void buildOptions(QWidget* form);
    void buildPlayerButtons(QWidget* form);
    void buildLessonRow(QWidget* form);
    void buildFooter(QWidget* form);
    // The load steps after the position; false when one failed.
    bool loadSteps();

    const int16_t& hideDesktop_;
    QPointer<PictureBox> logo_;
    QPointer<QCheckBox> playSoundBox_;
    QPointer<QCheckBox> hideDesktopBox_;
    QPointer<QCheckBox> explainBox_;
    QPointer<ClickLabel> lessonName_;
    QPointer<ButtonLabel> lessonButton_;
    QPointer<ButtonLabel> namesButton_;
    // Play Sound as the player left it, across a rebuild.
    bool soundKept_ = true;
};

}  // namespace zandoli
