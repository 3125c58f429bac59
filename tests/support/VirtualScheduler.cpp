#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {

void VirtualScheduler::start(TimerId id) {
    Timer& t = timer(id);
    if (t.running) {
        return;
    }
    t.running = true;
    t.due = now_ + timerInterval(id);
    t.armed = ++arming_;
}

void VirtualScheduler::stop(TimerId id) {
    timer(id).running = false;
}

bool VirtualScheduler::running(TimerId id) const {
    return timer(id).running;
}

VirtualScheduler::Timer* VirtualScheduler::nextDue() {
    Timer* first = nullptr;
    for (Timer& t : timers_) {
        if (t.running && (first == nullptr || t.due < first->due ||
                          (t.due == first->due && t.armed < first->armed))) {
            first = &t;
        }
    }
    return first;
}

void VirtualScheduler::fire(Timer& t) {
    const auto index = static_cast<int>(&t - timers_.data());
    const auto id = static_cast<TimerId>(index + 1);
    now_ = t.due;
    // Re-armed before the handler runs, so the handler's own stop or start wins.
    t.due += timerInterval(id);
    t.armed = ++arming_;
    if (callback_) {
        callback_(id);
    }
}

void VirtualScheduler::advance(int64_t ms) {
    const int64_t until = now_ + ms;
    for (Timer* t = nextDue(); t != nullptr && t->due <= until; t = nextDue()) {
        fire(*t);
    }
    now_ = until;
}

bool VirtualScheduler::step() {
    Timer* t = nextDue();
    if (t == nullptr) {
        return false;
    }
    fire(*t);
    return true;
}

}  // namespace zandoli::testing
