#include "engine/OnePlayerReferee.h"

namespace zandoli {

OnePlayerReferee::OnePlayerReferee(GameState& state, TableView& view, Scheduler& scheduler,
                                   RandomSource& random)
    : Referee(state, view, scheduler, random, ONE_PLAYER_RULES) {}

void OnePlayerReferee::startSpinning() {
    // The new turn begins just after this press has been handled.
    phase_ = Phase::StartingTurn;
    scheduler_.start(TimerId::TurnStart);
}

void OnePlayerReferee::otherTimerFired(TimerId id) {
    if (id != TimerId::TurnStart) {
        return;
    }
    scheduler_.stop(TimerId::TurnStart);
    if (phase_ != Phase::StartingTurn) {
        return;
    }
    passTurn();
    layOutTurn();
    showHand();
    Referee::startSpinning();
}

}  // namespace zandoli
