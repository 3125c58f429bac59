#pragma once

#include <gtest/gtest.h>
#include <QTest>
#include <functional>
#include <vector>

#include "platform/Speech.h"
#include "table/TableScreen.h"
#include "tests/platform/SoundLog.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {

// A real table screen on a virtual clock; the generator gives 0 (the golden
// deal) unless a test queues numbers. One player plays at the one-player table.
struct Harness {
    explicit Harness(int players)
        : table(players == 1 ? ONE_PLAYER_TABLE : MULTI_PLAYER_TABLE, state, clock, random) {
        state.numPlayers = static_cast<int16_t>(players);
        state.playSound = 1;
    }
    ~Harness() { table.unload(); }

    void startNewGame() {
        table.open(TableStart::Deal);
        clock.advance(timerInterval(TimerId::DealDelay));
    }
    // Opens the table on a saved game in which `colour` holds `cards` and
    // every other colour holds the decimals 0.1 to 0.7.
    void restore(const std::vector<int16_t>& cards, int colour = 0,
                 const GameSettings& settings = {}) {
        for (size_t p = 0; p < 4; ++p) {
            const bool mine = static_cast<int>(p) == colour;
            state.hand[p].fill(NO_CARD);
            state.handSize[p] = static_cast<int16_t>(mine ? cards.size() : 7);
            for (size_t s = 0; s < static_cast<size_t>(state.handSize[p]); ++s) {
                state.hand[p][s] = mine ? cards[s] : static_cast<int16_t>(2 + s);
            }
        }
        state.turnHand = state.hand;
        state.colour = static_cast<int16_t>(colour);
        state.turnOver = 1;
        table.open(TableStart::Restore, settings);
    }
    template <class W = QWidget>
    W* w(const QString& name) {
        W* found = table.window()->template findChild<W*>(name);
        if (found == nullptr) {
            throw std::runtime_error("no control " + name.toStdString());
        }
        return found;
    }
    // A click where a person would click: the visible control under the
    // point takes it, or the table itself when there is none.
    void clickAt(QPoint at) {
        QWidget* window = table.window();
        QWidget* target = window->childAt(at);
        target = target == nullptr ? window : target;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
    }
    void click(const QString& name) { clickAt(w(name)->geometry().center()); }
    // Spins so that the pointer stops on `position` (or for `length` steps),
    // and waits for the stop; `press` presses Spin, by a click unless told.
    void spinTo(int position, const std::function<void()>& press = {}) {
        spinFor(spinLengthTo(table.referee().spinPos(), position), press);
    }
    void spinFor(int length, const std::function<void()>& press = {}) {
        random.queue(FixedRandom::forSpinLength(length));
        press ? press() : click(QStringLiteral("spinButton"));
        while (clock.running(TimerId::TurnStart) || table.referee().phase() == Phase::Spinning) {
            clock.step();
        }
    }

    SoundLog sounds;
    GameState state;
    VirtualScheduler clock;
    FixedRandom random;
    TableScreen table;
};

}  // namespace zandoli::testing
