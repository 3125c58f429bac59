#include "tests/support/ScriptedPlayer.h"

#include "engine/Cards.h"
#include "engine/Layout.h"
#include "engine/OnePlayerReferee.h"
#include "engine/Spinner.h"

namespace zandoli::testing {

namespace {

void pressAt(Referee& referee, const TwipRect& r) {
    referee.tablePressed(r.left + r.width / 2.0, r.top + r.height / 2.0);
}

}  // namespace

std::unique_ptr<Referee> refereeFor(int players, GameState& state, TableView& view,
                                    Scheduler& scheduler, RandomSource& random) {
    if (players == 1) {
        return std::make_unique<OnePlayerReferee>(state, view, scheduler, random);
    }
    return std::make_unique<Referee>(state, view, scheduler, random);
}

void CarefulPlayer::waitForSpin() {
    while (referee_.phase() == Referee::Phase::StartingTurn || referee_.spinning()) {
        scheduler_.step();
    }
}

void CarefulPlayer::playTurn() {
    const bool onePlayer = state_.numPlayers == 1;
    pressSpin();
    waitForSpin();
    reportClick();
    const double result = referee_.result();
    if (valuesMatch(result, BLUE_STAR)) {
        clickPack();
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
                clickCard(s);
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
            clickCard(s);
            reportClick();
        }
    }
    if (!onePlayer && referee_.gameOver() == 0) {
        pressNextPlayer();
    }
}

int CarefulPlayer::playToWin(int maxTurns) {
    for (int turn = 1; turn <= maxTurns; ++turn) {
        playTurn();
        if (referee_.gameOver() == 1) {
            return turn;
        }
    }
    return -1;
}

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

}  // namespace zandoli::testing
