// How long a spin really takes on the table's own Qt timers, against its
// nominal length (steps x 50 ms):
//   spin_bench [spins]        (run in the build folder, beside Images/)
// A four-player table is opened on its real clock and generator; each spin is
// started with a click on Spin and timed until the spin timer stops. The
// stop is sampled by a 1 ms precise timer, so a reading can be late by 1 ms.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/Layout.h"
#include "engine/Scheduler.h"
#include "platform/Platform.h"
#include "table/TableScreen.h"

using namespace zandoli;
using Clock = std::chrono::steady_clock;

namespace {

void clickControl(QWidget* window, const char* name) {
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (control == nullptr) {
        std::fprintf(stderr, "spin_bench: no control %s\n", name);
        std::exit(2);
    }
    QTest::mouseClick(control, Qt::LeftButton);
}

// A press on the pack card draws after a blue star.
void clickPack(QWidget* window) {
    const QPoint at(static_cast<int>((PACK_FRAME.left + PACK_FRAME.width / 2) / 15),
                    static_cast<int>((PACK_FRAME.top + PACK_FRAME.height / 2) / 15));
    QWidget* target = window->childAt(at);
    target = target == nullptr ? window : target;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutions();
    const int spins = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;

    GameState state;
    state.numPlayers = 4;
    state.playSound = 0;
    TableScreen table(state);
    table.show();
    QWidget* window = table.window();
    const Referee& referee = table.referee();

    enum class Phase { waiting, spinning } phase = Phase::waiting;
    Clock::time_point started;
    int done = 0;
    std::vector<double> ratios;
    double worst = 0;

    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (phase == Phase::waiting) {
            if (referee.dealing()) {
                return;
            }
            if (!referee.spinEnabled()) {
                // A blue star waits for its draw and the hand-over.
                if (referee.result() == BLUE_STAR && state.drawn == 0) {
                    clickPack(window);
                }
                return;
            }
            clickControl(window, "spinButton");
            started = Clock::now();
            if (!referee.spinning()) {
                std::fprintf(stderr, "spin_bench: Spin did not start a spin\n");
                std::exit(2);
            }
            phase = Phase::spinning;
            return;
        }
        if (referee.spinning()) {
            return;
        }
        const double wall =
            std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        const double nominal = referee.spinLength() * timerInterval(TimerId::SpinStep);
        const double ratio = wall / nominal;
        ratios.push_back(ratio);
        worst = std::max(worst, std::abs(ratio - 1));
        std::printf("spin %2d: %2d steps, nominal %5.0f ms, wall %7.1f ms, %+5.2f%%\n", done + 1,
                    referee.spinLength(), nominal, wall, (ratio - 1) * 100);
        std::fflush(stdout);
        phase = Phase::waiting;
        if (++done == spins) {
            std::sort(ratios.begin(), ratios.end());
            const double median = ratios[ratios.size() / 2];
            std::printf("spins %d: median %+.2f%%, farthest %.2f%% from nominal\n", spins,
                        (median - 1) * 100, worst * 100);
            QApplication::quit();
            return;
        }
        if (referee.nextEnabled()) {
            clickControl(window, "nextPlayerButton");
        }
    });
    watch.start(1);
    return QApplication::exec();
}
