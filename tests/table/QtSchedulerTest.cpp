// The table's timers in real time.
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QTest>

#include "QtScheduler.h"

namespace zandoli {
namespace {

TEST(QtScheduler, TwentySpinStepsTakeASecond) {
    QtScheduler scheduler;
    int steps = 0;
    scheduler.setcallback([&](TimerId id) {
        EXPECT_EQ(id, TimerId::Timer1);
        if (++steps == 20) {
            scheduler.stop(TimerId::Timer1);
        }
    });
    QElapsedTimer elapsed;
    elapsed.start();
    scheduler.start(TimerId::Timer1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !scheduler.running(TimerId::Timer1); }, 5000));
    EXPECT_EQ(steps, 20);
    EXPECT_GE(elapsed.elapsed(), 995);
    EXPECT_LE(elapsed.elapsed(), 1300);  // generous: the machine may be busy
}

TEST(QtScheduler, StartingARunningTimerKeepsItsBeat) {
    QtScheduler scheduler;
    qint64 firedat = -1;
    QElapsedTimer elapsed;
    scheduler.setcallback([&](TimerId) {
        firedat = elapsed.elapsed();
        scheduler.stop(TimerId::Timer5);
    });
    elapsed.start();
    scheduler.start(TimerId::Timer5);  // 400 ms
    QTest::qWait(200);
    scheduler.start(TimerId::Timer5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return firedat >= 0; }, 2000));
    EXPECT_GE(firedat, 395);
    EXPECT_LT(firedat, 580);  // a restart would have made it 600
}

}  // namespace
}  // namespace zandoli
