#pragma once

#include "engine/Referee.h"

namespace zandoli {

// The one-player table: the same turn cycle, played against the number of
// spins (ONE_PLAYER_RULES). Every Spin press begins a new turn of Blue: the
// turn is laid out a moment after the press, and then the pointer moves.
class OnePlayerReferee : public Referee {
public:
    OnePlayerReferee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random);

protected:
    void startSpinning() override;
    void otherTimerFired(TimerId id) override;
};

}  // namespace zandoli
