#pragma once

#include "table/TableScreen.h"

namespace zandoli {

// The one-player table: the multi-player table with a spin count beside its
// caption "Number of Spins", the incorrect-choice message a little further
// right, no Next Player button in play, and the one-player rules.
class OnePlayerTable : public TableScreen {
    Q_OBJECT

public:
    explicit OnePlayerTable(GameState& state);
    OnePlayerTable(GameState& state, Scheduler& scheduler, RandomSource& random);
};

}  // namespace zandoli
