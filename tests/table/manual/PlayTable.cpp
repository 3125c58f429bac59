// Opens a table directly, on real timers, for playing by hand or by xdotool:
//   table_manual <players 1..4> [seed]
// With a seed the deal and the spins repeat from run to run. Each time a spin
// stops it prints the result and the cards in view, so a script can click.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "Cards.h"
#include "FixedRandom.h"
#include "OnePlayerTable.h"
#include "Platform.h"
#include "QtScheduler.h"

using namespace zandoli;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installfontsubstitutions();
    GameState state;
    state.numplayers = static_cast<int16_t>(argc > 1 ? std::atoi(argv[1]) : 2);
    state.playsound = 1;
    QtScheduler clock;
    testing::SeededRandom random(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
    std::unique_ptr<TableScreen> table;
    if (state.numplayers == 1) {
        table = std::make_unique<OnePlayerTable>(state, clock, random);
    } else {
        table = std::make_unique<TableScreen>(state, clock, random);
    }
    QObject::connect(table.get(), &TableScreen::exitrequested, &app, &QApplication::quit);
    table->show();

    bool wasspinning = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const Referee& referee = table->referee();
        const bool spinning = referee.spinning();
        if (wasspinning && !spinning) {
            std::printf("stop colour=%d pos=%d result=%g cards", state.colour, referee.spinpos(),
                        referee.result());
            for (int s = 0; s < SHOWN_SLOTS; ++s) {
                const int card = referee.slotshowing(s) ? state.hand[state.colour][s] : -1;
                std::printf(" %d:%d:%g", s, card,
                            card < 0 ? -9.0 : cardcatalogue()[card].cardvalue);
            }
            std::printf("\n");
            std::fflush(stdout);
        }
        if (referee.gameover() == 1) {
            std::printf("won\n");
            std::fflush(stdout);
            watch.stop();
        }
        wasspinning = spinning;
    });
    watch.start(10);
    return QApplication::exec();
}
