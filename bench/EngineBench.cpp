// How long the rules take: one shuffle and deal, one whole four-player game
// played by the scripted player with every delay in virtual time, and the
// pack and spinner of a lesson made from its values and forms.
#include <benchmark/benchmark.h>

#include "engine/Deck.h"
#include "engine/GameState.h"
#include "engine/Pack.h"
#include "engine/Referee.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPlayer.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli {
namespace {

void BM_DealCards(benchmark::State& bench) {
    TimeSeededRandom random;
    GameState state;
    PackOrder pack{};
    for (auto _ : bench) {
        shufflePack(pack, random);
        dealHands(state, pack);
        benchmark::DoNotOptimize(state.topCard);
    }
}
BENCHMARK(BM_DealCards)->Unit(benchmark::kMicrosecond);

// The smallest lesson (one value in two forms, its few cards taken again
// and again), a lesson of seven values, and every value and form.
void BM_LessonDeck(benchmark::State& bench, ValueSet values, FormSet forms) {
    for (auto _ : bench) {
        auto deck = lessonDeck(values, forms);
        benchmark::DoNotOptimize(deck);
    }
}
BENCHMARK_CAPTURE(BM_LessonDeck, oneValueTwoForms, ValueSet{0.5},
                  FormSet{CardKind::Decimal, CardKind::Tile})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LessonDeck, halvesQuartersTenths,
                  ValueSet{0.1, 0.25, 0.3, 0.5, 0.7, 0.75, 0.9},
                  FormSet{CardKind::Whole, CardKind::Decimal, CardKind::Fraction, CardKind::Tile})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LessonDeck, everyValueAndForm,
                  ValueSet{0.1, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.75, 0.8, 0.9, 1},
                  FormSet{CardKind::Whole, CardKind::Decimal, CardKind::Percent, CardKind::Fraction,
                          CardKind::Tile})
    ->Unit(benchmark::kMicrosecond);

void BM_FourPlayerGame(benchmark::State& bench) {
    uint64_t seed = 1;
    int64_t turns = 0;
    for (auto _ : bench) {
        GameState state;
        state.numPlayers = 4;
        state.playSound = 1;
        testing::RecordingView view;
        testing::VirtualScheduler scheduler;
        testing::SeededRandom random(seed++);
        Referee referee(state, view, scheduler, random);
        testing::ScriptedPlayer player(referee, state, scheduler);
        player.startNewGame();
        int played = 0;
        while (!referee.gameOver() && played < 100000) {
            player.playTurn();
            ++played;
        }
        if (!referee.gameOver()) {
            bench.SkipWithError("no winner");
            break;
        }
        turns += played;
    }
    bench.counters["turns/game"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FourPlayerGame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zandoli

BENCHMARK_MAIN();
