// How long the rules take: one shuffle and deal, and one whole four-player
// game played by the scripted player with every delay in virtual time.
#include <benchmark/benchmark.h>

#include "FixedRandom.h"
#include "GameState.h"
#include "Pack.h"
#include "RecordingView.h"
#include "Referee.h"
#include "ScriptedPlayer.h"
#include "VirtualScheduler.h"

namespace zandoli {
namespace {

void BM_dealcards(benchmark::State& bench) {
    TimeSeededRandom random;
    GameState state;
    PackOrder pack{};
    for (auto _ : bench) {
        shufflepack(pack, random);
        dealhands(state, pack);
        benchmark::DoNotOptimize(state.topcard);
    }
}
BENCHMARK(BM_dealcards)->Unit(benchmark::kMicrosecond);

void BM_fourplayergame(benchmark::State& bench) {
    uint64_t seed = 1;
    int64_t turns = 0;
    for (auto _ : bench) {
        GameState state;
        state.numplayers = 4;
        state.playsound = 1;
        testing::RecordingView view;
        testing::VirtualScheduler scheduler;
        testing::SeededRandom random(seed++);
        Referee referee(state, view, scheduler, random);
        testing::ScriptedPlayer player(referee, state, scheduler);
        player.startnewgame();
        const int played = player.playtowin(100000);
        if (played < 0) {
            bench.SkipWithError("no winner");
            break;
        }
        turns += played;
    }
    bench.counters["turns/game"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_fourplayergame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zandoli

BENCHMARK_MAIN();
