#pragma once

#include <functional>

namespace zandoli {

// The table's timers. Each fires every interval while it is running; the
// handlers of the one-shot ones stop them when they fire.
enum class TimerId { SpinStep = 1, HandOver, WinFlash, DealDelay, DrawDelay, TurnStart };

inline constexpr int TIMER_COUNT = 6;

// How long each timer waits, in milliseconds. These are the table's only
// durations: the screen's timers and the tests' virtual clock both read them
// through timerInterval().
inline constexpr int SPIN_STEP_MS = 50;     // the pointer moves on one position
inline constexpr int HAND_OVER_MS = 3000;   // a finished turn stays on show
inline constexpr int WIN_FLASH_MS = 250;    // the win caption changes colour
inline constexpr int DEAL_DELAY_MS = 1200;  // the shuffle is heard before the hands show
inline constexpr int DRAW_DELAY_MS = 400;   // the drawn card turns up
// The one-player turn begins just after the Spin press has been handled.
inline constexpr int TURN_START_MS = 1;

constexpr int timerInterval(TimerId id) {
    switch (id) {
        case TimerId::SpinStep:
            return SPIN_STEP_MS;
        case TimerId::HandOver:
            return HAND_OVER_MS;
        case TimerId::WinFlash:
            return WIN_FLASH_MS;
        case TimerId::DealDelay:
            return DEAL_DELAY_MS;
        case TimerId::DrawDelay:
            return DRAW_DELAY_MS;
        case TimerId::TurnStart:
            break;
    }
    return TURN_START_MS;
}

// The rules never read a clock: they start and stop timers through this, and
// the scheduler calls back when one fires. The screen maps it onto real
// timers; tests run it in virtual time.
class Scheduler {
public:
    using Callback = std::function<void(TimerId)>;

    virtual ~Scheduler() = default;
    virtual void setCallback(Callback callback) = 0;
    // Starting a running timer leaves it running as it was.
    virtual void start(TimerId id) = 0;
    virtual void stop(TimerId id) = 0;
    virtual bool running(TimerId id) const = 0;
    void stopAll() {
        for (int i = 1; i <= TIMER_COUNT; ++i) {
            stop(static_cast<TimerId>(i));
        }
    }
};

}  // namespace zandoli
