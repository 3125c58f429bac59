// Turns, wins, new games and saved games brought back as transcripts of what
// the table shows and sounds (turns.txt, games.txt). Whole games
// played to a win are in the saved game's tests, which save every state
// they pass through.
#include <gtest/gtest.h>

#include <type_traits>

#include "tests/engine/Table.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

// Every step shows and sounds what the rules say.
[[maybe_unused]] const bool gameRegistered =
    registerTranscript<Tables<>>(ZANDOLI_TRANSCRIPTS "/turns.txt") &&
    registerTranscript<Tables<>>(ZANDOLI_TRANSCRIPTS "/games.txt");

// The scheduler calls back the referee that set its callback: a copy would
// never hear its timers.
static_assert(!std::is_copy_constructible_v<Referee> && !std::is_copy_assignable_v<Referee>);
// Views, clocks and generators are owned and deleted through their
// interfaces (the deal tests keep generators of three kinds as RandomSource).
static_assert(std::has_virtual_destructor_v<TableView> &&
              std::has_virtual_destructor_v<Scheduler> &&
              std::has_virtual_destructor_v<RandomSource>);

}  // namespace
}  // namespace zandoli::testing
