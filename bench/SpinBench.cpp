// How long a spin really takes on the table's own Qt timers, against its
// nominal length (steps x 50 ms):
//   spin_bench [spins] [lesson]   (run in the build folder, beside Images/)
// A four-player table is opened on its real clock and generator, dealt from
// the standard deck, or with "lesson" from a lesson's (halves and quarters,
// whose dial is painted at every step); each spin is
// started with a click on Spin and timed until the spin timer stops. The
// stop is sampled by a 1 ms precise timer, so a reading can be late by 1 ms.
// At the end it prints the memory the process holds (VmRSS).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "engine/Scheduler.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "table/TableKind.h"
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

// Starts a spin whenever Spin is enabled and times it to its stop, sampled
// once a millisecond.
class SpinTimer {
public:
    SpinTimer(TableScreen& table, GameState& state, int spins)
        : window_(table.window()), referee_(table.referee()), state_(state), spins_(spins) {}

    void sample() {
        if (!timing_) {
            startSpin();
        } else if (referee_.phase() != Phase::Spinning) {
            spinStopped();
        }
    }

private:
    void startSpin() {
        const TableState shown = referee_.tableState();
        if (shown.phase == Phase::Dealing) {
            return;
        }
        if (!shown.spinEnabled) {
            // A blue star waits for its draw and the hand-over.
            if (referee_.result() == BLUE_STAR && state_.drawn == 0) {
                clickControl(window_, "pack");
            }
            return;
        }
        clickControl(window_, "spinButton");
        started_ = Clock::now();
        if (referee_.phase() != Phase::Spinning) {
            std::fprintf(stderr, "spin_bench: Spin did not start a spin\n");
            std::exit(2);
        }
        timing_ = true;
    }

    void spinStopped() {
        const double wall =
            std::chrono::duration<double, std::milli>(Clock::now() - started_).count();
        const double nominal = referee_.spinLength() * timerInterval(TimerId::SpinStep);
        const double ratio = wall / nominal;
        ratios_.push_back(ratio);
        worst_ = std::max(worst_, std::abs(ratio - 1));
        std::printf("spin %2d: %2d steps, nominal %5.0f ms, wall %7.1f ms, %+5.2f%%\n", done_ + 1,
                    referee_.spinLength(), nominal, wall, (ratio - 1) * 100);
        std::fflush(stdout);
        timing_ = false;
        if (++done_ == spins_) {
            report();
            QApplication::quit();
            return;
        }
        if (referee_.tableState().nextPlayerEnabled) {
            clickControl(window_, "nextPlayerButton");
        }
    }

    void report() {
        std::sort(ratios_.begin(), ratios_.end());
        const double median = ratios_[ratios_.size() / 2];
        std::printf("spins %d: median %+.2f%%, farthest %.2f%% from nominal\n", spins_,
                    (median - 1) * 100, worst_ * 100);
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("VmRSS:")) {
                    std::printf("memory: %s\n", line.simplified().constData());
                }
            }
        }
    }

    QWidget* window_;
    const Referee& referee_;
    GameState& state_;
    const int spins_;
    bool timing_ = false;
    Clock::time_point started_;
    int done_ = 0;
    std::vector<double> ratios_;
    double worst_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutions();
    // The spins are timed with the learning record written as in a game, to
    // a record of the benchmark's own.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const int spins = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    // The table drawn at another scale, as in full screen (ZANDOLI_SCALE=1.40625
    // for a 1920 x 1080 screen): larger pictures swapped at every step.
    units::setScale(qEnvironmentVariable("ZANDOLI_SCALE", "1").toDouble());

    GameState state;
    state.numPlayers = 4;
    state.playSound = 0;
    TableScreen table(MULTI_PLAYER_TABLE, state);
    GameSettings settings;
    if (argc > 2 && std::string_view(argv[2]) == "lesson") {
        settings.deck = *lessonDeck({0.5, 0.25}, {CardKind::Decimal, CardKind::Tile});
    }
    table.open(TableStart::Deal, settings);
    SpinTimer timer(table, state, spins);

    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&timer] { timer.sample(); });
    watch.start(1);
    return QApplication::exec();
}
