#include "tests/support/ScriptedPlayer.h"

#include "engine/Cards.h"
#include "engine/Spinner.h"

namespace zandoli::testing {

std::unique_ptr<Referee> refereeFor(int players, GameState& state, TableView& view,
                                    Scheduler& scheduler, RandomSource& random) {
    return std::make_unique<Referee>(state, view, scheduler, random,
                                     players == 1 ? ONE_PLAYER_RULES : MULTI_PLAYER_RULES);
}

void ScriptedPlayer::startNewGame() {
    referee_.load(TableStart::Deal);
    scheduler_.advance(timerInterval(TimerId::DealDelay));
}

void ScriptedPlayer::clickSlot(int slot) {
    referee_.cardClicked(slot);
    if (afterClick) {
        afterClick();
    }
}

void ScriptedPlayer::playTurn() {
    const bool onePlayer = state_.numPlayers == 1;
    referee_.spinPressed();
    while (referee_.phase() == Phase::StartingTurn || referee_.phase() == Phase::Spinning) {
        scheduler_.step();
    }
    if (afterClick) {
        afterClick();
    }
    const double result = referee_.result();
    if (valuesMatch(result, BLUE_STAR)) {
        referee_.packClicked();
        if (afterClick) {
            afterClick();
        }
        scheduler_.advance(timerInterval(TimerId::DrawDelay));
    }
    // Every matching card, or on the red star the first card showing.
    for (int s = 0; s < SHOWN_SLOTS && !referee_.gameOver(); ++s) {
        const bool red = valuesMatch(result, RED_STAR);
        if (referee_.slotShowing(s) &&
            (red || cardMatches(state_.hand[state_.colour][s], result))) {
            clickSlot(s);
            if (red) {
                break;
            }
        }
    }
    if (!onePlayer && !referee_.gameOver()) {
        if (valuesMatch(result, BLUE_STAR) || valuesMatch(result, RED_STAR)) {
            scheduler_.advance(timerInterval(TimerId::HandOver));
        } else {
            referee_.buttonPressed(TableButton::NextPlayer);
        }
    }
}

}  // namespace zandoli::testing
