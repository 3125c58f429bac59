// The table's timers in real time.
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QTest>

#include "table/QtScheduler.h"

namespace zandoli {
namespace {

TEST(QtScheduler, SpinStepsKeepTheirBeatEvenWhenStartedAgain) {
    QtScheduler scheduler;
    QElapsedTimer elapsed;
    std::vector<qint64> ticks;
    scheduler.setCallback([&](TimerId id) {
        ticks.push_back(id == TimerId::SpinStep ? elapsed.elapsed() : -1);
        if (ticks.size() == 20) {
            scheduler.stop(TimerId::SpinStep);
        }
    });
    elapsed.start();
    scheduler.start(TimerId::SpinStep);
    QTest::qWait(30);
    scheduler.start(TimerId::SpinStep);  // must not push the beat back
    ASSERT_TRUE(QTest::qWaitFor([&] { return !scheduler.running(TimerId::SpinStep); }, 5000));
    ASSERT_EQ(ticks.size(), 20u);
    EXPECT_GE(ticks.front(), 49);
    EXPECT_LT(ticks.front(), 75);  // a restart would put it at 80 or later
    EXPECT_GE(ticks.back(), 999);
    EXPECT_LE(ticks.back(), 1300);  // generous: the machine may be busy
}

}  // namespace
}  // namespace zandoli
