#pragma once

#include <array>
#include <cstdint>

#include "engine/Scheduler.h"

namespace zandoli::testing {

// Timers in virtual time: nothing fires until advance() moves the clock. A
// running timer fires every interval from the moment it was started; due
// timers fire in time order (ties in the order they were armed), and a
// handler may stop or start timers, its own included, while it runs.
class VirtualScheduler : public Scheduler {
public:
    void setCallback(Callback callback) override { callback_ = std::move(callback); }
    void start(TimerId id) override;
    void stop(TimerId id) override;
    bool running(TimerId id) const override;

    // Milliseconds since the scheduler was made: a clock for what the tests
    // time-stamp.
    int64_t now() const { return now_; }
    // Moves the clock on by ms, firing every timer that falls due on the way.
    void advance(int64_t ms);
    // Moves the clock to the next firing and fires that one timer; false when
    // no timer is running.
    bool step();

private:
    struct Timer {
        bool running = false;
        int64_t due = 0;
        uint64_t armed = 0;  // order of arming, to break ties
    };
    Timer& timer(TimerId id) { return timers_[static_cast<int>(id) - 1]; }
    const Timer& timer(TimerId id) const { return timers_[static_cast<int>(id) - 1]; }
    // The running timer due first, or nullptr.
    Timer* nextDue();
    void fire(Timer& t);

    Callback callback_;
    std::array<Timer, TIMER_COUNT> timers_{};
    int64_t now_ = 0;
    uint64_t arming_ = 0;
};

}  // namespace zandoli::testing
