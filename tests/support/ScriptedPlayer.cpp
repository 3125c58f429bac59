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

void ScriptedPlayer::pressSlot(Referee& referee, int slot) {
    pressAt(referee, slotFrame(slot));
}

void ScriptedPlayer::pressPack(Referee& referee) {
    pressAt(referee, PACK_FRAME);
}

void ScriptedPlayer::startNewGame() {
    referee_.load();
    scheduler_.advance(timerInterval(TimerId::DealDelay));
}

void ScriptedPlayer::clickSlot(int slot) {
    pressSlot(referee_, slot);
    if (afterClick) {
        afterClick();
    }
}

void ScriptedPlayer::playTurn() {
    const bool onePlayer = state_.numPlayers == 1;
    referee_.spinPressed();
    while (referee_.phase() == Referee::Phase::StartingTurn || referee_.spinning()) {
        scheduler_.step();
    }
    if (afterClick) {
        afterClick();
    }
    const double result = referee_.result();
    if (valuesMatch(result, BLUE_STAR)) {
        pressPack(referee_);
        if (afterClick) {
            afterClick();
        }
        scheduler_.advance(timerInterval(TimerId::DrawDelay));
    }
    // Every matching card, or on the red star the first card showing.
    for (int s = 0; s < SHOWN_SLOTS && referee_.gameOver() == 0; ++s) {
        const bool red = valuesMatch(result, RED_STAR);
        if (referee_.slotShowing(s) &&
            (red || cardMatches(state_.hand[state_.colour][s], result))) {
            clickSlot(s);
            if (red) {
                break;
            }
        }
    }
    if (!onePlayer && referee_.gameOver() == 0) {
        if (valuesMatch(result, BLUE_STAR) || valuesMatch(result, RED_STAR)) {
            scheduler_.advance(timerInterval(TimerId::HandOver));
        } else {
            referee_.buttonPressed(TableButton::NextPlayer);
        }
    }
}

}  // namespace zandoli::testing
