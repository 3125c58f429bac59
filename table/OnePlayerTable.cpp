#include "table/OnePlayerTable.h"

namespace zandoli {

OnePlayerTable::OnePlayerTable(GameState& state)
    : TableScreen(ONE_PLAYER_TABLE, state, nullptr, nullptr) {}

OnePlayerTable::OnePlayerTable(GameState& state, Scheduler& scheduler, RandomSource& random)
    : TableScreen(ONE_PLAYER_TABLE, state, &scheduler, &random) {}

}  // namespace zandoli
