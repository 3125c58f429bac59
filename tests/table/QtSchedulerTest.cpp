// The table's timers in real time. Only the order of the ticks is checked,
// with margins no busy machine can miss: how steady the beat is belongs to
// the benchmarks.
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QTest>

#include "table/QtScheduler.h"

namespace zandoli {
namespace {

TEST(QtScheduler, ARunningTimerStartedAgainKeepsItsBeatAndStopsWhenStopped) {
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !scheduler.running(TimerId::SpinStep); }, 60000));
    QTest::qWait(120);  // a stopped timer stays stopped
    ASSERT_EQ(ticks.size(), 20u);
    EXPECT_GE(ticks.front(), 49);  // never early
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_GE(ticks[i], ticks[i - 1]) << i;  // spin steps only, in order
    }
    EXPECT_GE(ticks.back(), 999);  // twenty beats of 50 ms at the least
}

}  // namespace
}  // namespace zandoli
