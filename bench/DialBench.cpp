// How long the table takes to make one step's dial, the spin stepping every
// 50 ms (Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise):
//   - painted, for a lesson's spinner: the lit segment, pointer and hub over
//     a copy of the wheel, made into the pixmap the dial shows;
//   - the wheel, painted once for each spinner a table shows, with the
//     pointer at rest over it;
//   - built, for the standard spinner: the next position's file decoded
//     and scaled, as the dial's picture cache does it.
// Each at scale 1 and at full screen on 1920 x 1080 (1.40625) and 3840 x 2160
// (2.8125), the display's device pixel ratio 1; and a wrong card's
// explanation, from its words to its panel painted. The CPU time is the whole
// process's, Qt's painting threads included:
//   dial_bench [benchmark flags]        (run in the build folder, beside Images/)
#include <benchmark/benchmark.h>

#include <QApplication>

#include "engine/Deck.h"
#include "look/TableArt.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "table/DialArt.h"
#include "table/ExplanationPanel.h"
#include "table/ExplanationWords.h"

namespace zandoli {
namespace {

// Halves and quarters in turn on the spinner's shapes.
SpinnerValues lessonSpinner() {
    return lessonDeck({0.5, 0.25}, {CardKind::Decimal, CardKind::Tile})->spinner;
}

void BM_PaintedDialStep(benchmark::State& bench, double scale) {
    units::setScale(scale);
    const SpinnerValues spinner = lessonSpinner();
    dialArt::dial(spinner, std::nullopt);  // the wheel, painted when the deal shows the dial
    int position = 0;
    for (auto _ : bench) {
        QPixmap step = dialArt::dial(spinner, position);
        benchmark::DoNotOptimize(step);
        position = (position + 1) % SPIN_POSITIONS;
    }
}
BENCHMARK_CAPTURE(BM_PaintedDialStep, scale1, 1.0)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_PaintedDialStep, fullScreen1080, 1.40625)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_PaintedDialStep, fullScreen2160, 2.8125)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// The dial at rest of a spinner newly shown: two spinners in turn, so that
// every dial made paints its wheel first.
void BM_PaintedWheelAtRest(benchmark::State& bench, double scale) {
    units::setScale(scale);
    const SpinnerValues spinners[] = {lessonSpinner(),
                                      lessonDeck({0.1, 0.9}, {CardKind::Fraction})->spinner};
    int turn = 0;
    for (auto _ : bench) {
        QPixmap rest = dialArt::dial(spinners[turn], std::nullopt);
        benchmark::DoNotOptimize(rest);
        turn = 1 - turn;
    }
}
BENCHMARK_CAPTURE(BM_PaintedWheelAtRest, scale1, 1.0)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_PaintedWheelAtRest, fullScreen1080, 1.40625)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// The picture cache keeps the last four dials; sixteen in turn are decoded
// every time.
void BM_BuiltDialStep(benchmark::State& bench, double scale) {
    units::setScale(scale);
    forgetPictures();
    int position = 0;
    for (auto _ : bench) {
        QPixmap step =
            picture(QString::fromStdString(look::dialPicture(position)), Keeping::Recent);
        if (step.isNull()) {
            bench.SkipWithError("no dial pictures: run in the build folder");
            break;
        }
        benchmark::DoNotOptimize(step);
        position = (position + 1) % SPIN_POSITIONS;
    }
}
BENCHMARK_CAPTURE(BM_BuiltDialStep, scale1, 1.0)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_BuiltDialStep, fullScreen1080, 1.40625)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// A wrong card explained, from the press to the panel painted: its words
// made from the table's state (0.8 pressed on 0.7, 0.7 left in the hand),
// shown, and the panel drawn whole, as the frame after the click draws it.
void BM_ExplanationShown(benchmark::State& bench, double scale) {
    units::setScale(scale);
    QWidget table;
    table.resize(units::px(15360), units::px(11520));
    auto* panel = new ExplanationPanel(&table);
    TableState state;
    state.faces[0] = 9;  // 0.8
    state.faces[1] = 8;  // 0.7
    state.explanation = Explanation{.position = 8, .wrongCard = 9, .wrongSlot = 0};
    state.explanation->missed[1] = true;
    QPixmap frame(panel->size());
    for (auto _ : bench) {
        panel->showWords(explanationWords(state), 0);
        panel->render(&frame);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK_CAPTURE(BM_ExplanationShown, scale1, 1.0)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_ExplanationShown, fullScreen1080, 1.40625)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace
}  // namespace zandoli

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
