#include "ScriptedPlayer.h"

#include "Cards.h"
#include "Layout.h"
#include "Spinner.h"

namespace zandoli::testing {

namespace {

void pressat(Referee& referee, const TwipRect& r) {
    referee.Form_MouseDown(1, 0, r.left + r.width / 2.0, r.top + r.height / 2.0);
}

}  // namespace

void ScriptedPlayer::pressslot(Referee& referee, int slot) {
    pressat(referee, slotframe(slot));
}

void ScriptedPlayer::presspack(Referee& referee) {
    pressat(referee, PACK_FRAME);
}

void ScriptedPlayer::startnewgame() {
    state_.restoring = 0;
    referee_.Form_Load();
    scheduler_.advance(timerinterval(TimerId::Timer4));
}

void ScriptedPlayer::waitforspin() {
    while (scheduler_.running(TimerId::Timer6) || referee_.spinning()) {
        scheduler_.step();
    }
}

void ScriptedPlayer::playturn() {
    const bool oneplayer = state_.numplayers == 1;
    referee_.Label7_Click();
    waitforspin();
    clicked();
    const double result = referee_.result();
    if (valuesmatch(result, BLUE_STAR)) {
        presspack(referee_);
        clicked();
        scheduler_.advance(timerinterval(TimerId::Timer5));
        if (!oneplayer) {
            scheduler_.advance(timerinterval(TimerId::Timer2));
        }
        return;
    }
    if (valuesmatch(result, RED_STAR)) {
        for (int s = 0; s < SHOWN_SLOTS; ++s) {
            if (referee_.slotshowing(s)) {
                pressslot(referee_, s);
                clicked();
                break;
            }
        }
        if (!oneplayer && referee_.gameover() == 0) {
            scheduler_.advance(timerinterval(TimerId::Timer2));
        }
        return;
    }
    for (int s = 0; s < SHOWN_SLOTS && referee_.gameover() == 0; ++s) {
        if (referee_.slotshowing(s) && cardmatches(state_.hand[state_.colour][s], result)) {
            pressslot(referee_, s);
            clicked();
        }
    }
    if (!oneplayer && referee_.gameover() == 0) {
        referee_.Label3_Click(2);
    }
}

int ScriptedPlayer::playtowin(int maxturns) {
    for (int turn = 1; turn <= maxturns; ++turn) {
        playturn();
        if (referee_.gameover() == 1) {
            return turn;
        }
    }
    return -1;
}

}  // namespace zandoli::testing
