#pragma once

#include <QCheckBox>
#include <QPointer>
#include <QSize>
#include <array>

#include "ButtonLabel.h"
#include "PictureBox.h"
#include "Screen.h"

namespace zandoli {

class ScreenRegistry;

// `Startplay2`, the set-up screen: the Play Sound and Hide Desktop options,
// the player-count buttons that start a game, the rules, the makers' web
// site, and the way back to the title screen.
class SetupScreen : public Screen {
    Q_OBJECT

public:
    explicit SetupScreen(ScreenRegistry& screens);

    // Whether a display of this size (in twips) offers the Hide Desktop box.
    static bool offershidedesktop(QSize display);

    void Check1_Click();           // Play Sound
    void Check3_Click();           // Hide Desktop
    void Label1_Click(int index);  // 1 to 4 players
    void Label2_Click(int index);  // the heading and the web label
    void Label3_Click(int index);  // Exit
    void Label6_Click();           // The Rules

protected:
    QWidget* createwindow() override;
    void Form_Load() override;

private:
    static constexpr int PLAYER_BUTTONS = 4;

    // The load steps after the position; false when one failed.
    bool loadsteps();

    ScreenRegistry& screens_;
    QPointer<PictureBox> image2_;
    QPointer<QCheckBox> check1_;
    QPointer<QCheckBox> check3_;
};

}  // namespace zandoli
