#include "table/QtScheduler.h"

namespace zandoli {

QtScheduler::QtScheduler() {
    for (int i = 0; i < TIMER_COUNT; ++i) {
        const auto id = static_cast<TimerId>(i + 1);
        QTimer& t = timers_[static_cast<size_t>(i)];
        // A coarse timer may drift by 5% of its interval, which would make
        // the spin uneven; the precise one keeps every step on its beat.
        t.setTimerType(Qt::PreciseTimer);
        t.setInterval(timerInterval(id));
        QObject::connect(&t, &QTimer::timeout, [this, id] {
            if (callback_) {
                callback_(id);
            }
        });
    }
}

QtScheduler::~QtScheduler() {
    for (QTimer& t : timers_) {
        t.stop();
    }
}

void QtScheduler::setCallback(Callback callback) {
    callback_ = std::move(callback);
}

void QtScheduler::start(TimerId id) {
    QTimer& t = timer(id);
    // Restarting a running timer would move its next tick; the rules expect
    // it to carry on as it was.
    if (!t.isActive()) {
        t.start();
    }
}

void QtScheduler::stop(TimerId id) {
    timer(id).stop();
}

bool QtScheduler::running(TimerId id) const {
    return timer(id).isActive();
}

QTimer& QtScheduler::timer(TimerId id) {
    return timers_[static_cast<size_t>(id) - 1];
}

const QTimer& QtScheduler::timer(TimerId id) const {
    return timers_[static_cast<size_t>(id) - 1];
}

}  // namespace zandoli
