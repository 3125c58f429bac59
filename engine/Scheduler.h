#pragma once

#include <functional>

namespace zandoli {

// The table's timers. Each fires every interval while it is running; the
// handlers of the one-shot ones stop them when they fire.
enum class TimerId { SpinStep = 1, HandOver, WinFlash, DealDelay, DrawDelay, TurnStart };

inline constexpr int TIMER_COUNT = 6;

constexpr int timerInterval(TimerId id) {
    switch (id) {
        case TimerId::SpinStep:
            return 50;  // spin steps
        case TimerId::HandOver:
            return 3000;  // hand-over delay
        case TimerId::WinFlash:
            return 250;  // win caption flash
        case TimerId::DealDelay:
            return 1200;  // deal delay
        case TimerId::DrawDelay:
            return 400;  // draw delay
        case TimerId::TurnStart:
            return 1;  // one-player turn start, run just after the Spin press returns
    }
    return 0;
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
