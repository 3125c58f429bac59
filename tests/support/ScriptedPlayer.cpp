#include "tests/support/ScriptedPlayer.h"

#include "engine/Cards.h"
#include "engine/Layout.h"
#include "engine/Spinner.h"

namespace zandoli::testing {

namespace {

void pressAt(Referee& referee, const TwipRect& r) {
    referee.tablePressed(r.left + r.width / 2.0, r.top + r.height / 2.0);
}

}  // namespace

void ScriptedPlayer::pressSlot(Referee& referee, int slot) {
    pressAt(referee, slotFrame(slot));
}

void ScriptedPlayer::pressPack(Referee& referee) {
    pressAt(referee, PACK_FRAME);
}

void ScriptedPlayer::startNewGame() {
    state_.restoring = 0;
    referee_.load();
    scheduler_.advance(timerInterval(TimerId::DealDelay));
}

void ScriptedPlayer::waitForSpin() {
    while (referee_.phase() == Referee::Phase::StartingTurn || referee_.spinning()) {
        scheduler_.step();
    }
}

void ScriptedPlayer::playTurn() {
    const bool onePlayer = state_.numPlayers == 1;
    referee_.spinPressed();
    waitForSpin();
    reportClick();
    const double result = referee_.result();
    if (valuesMatch(result, BLUE_STAR)) {
        pressPack(referee_);
        reportClick();
        scheduler_.advance(timerInterval(TimerId::DrawDelay));
        if (!onePlayer) {
            scheduler_.advance(timerInterval(TimerId::HandOver));
        }
        return;
    }
    if (valuesMatch(result, RED_STAR)) {
        for (int s = 0; s < SHOWN_SLOTS; ++s) {
            if (referee_.slotShowing(s)) {
                pressSlot(referee_, s);
                reportClick();
                break;
            }
        }
        if (!onePlayer && referee_.gameOver() == 0) {
            scheduler_.advance(timerInterval(TimerId::HandOver));
        }
        return;
    }
    for (int s = 0; s < SHOWN_SLOTS && referee_.gameOver() == 0; ++s) {
        if (referee_.slotShowing(s) && cardMatches(state_.hand[state_.colour][s], result)) {
            pressSlot(referee_, s);
            reportClick();
        }
    }
    if (!onePlayer && referee_.gameOver() == 0) {
        referee_.buttonPressed(TableButton::NextPlayer);
    }
}

int ScriptedPlayer::playToWin(int maxTurns) {
    for (int turn = 1; turn <= maxTurns; ++turn) {
        playTurn();
        if (referee_.gameOver() == 1) {
            return turn;
        }
    }
    return -1;
}

}  // namespace zandoli::testing
