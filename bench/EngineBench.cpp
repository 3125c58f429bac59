// How long the rules take: one shuffle and deal, and one whole four-player
// game played by the scripted player with every delay in virtual time.
#include <benchmark/benchmark.h>

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
