#pragma once

#include <QTimer>
#include <array>

#include "engine/Scheduler.h"

namespace zandoli {

// The table's timers on the Qt event loop: one precise repeating QTimer per
// TimerId at its fixed interval, so a spin of n steps takes n x 50 ms.
class QtScheduler : public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;

    void setCallback(Callback callback) override;
    void start(TimerId id) override;
    void stop(TimerId id) override;
    bool running(TimerId id) const override;

private:
    QTimer& timer(TimerId id);
    const QTimer& timer(TimerId id) const;

    std::array<QTimer, TIMER_COUNT> timers_;
    Callback callback_;
};

}  // namespace zandoli
