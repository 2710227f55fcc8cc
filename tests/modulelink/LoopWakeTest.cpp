// The wake of the event loop: every wake a reader thread gives is seen by the loop.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "modulelink/LoopWake.h"

namespace {

using modulelink::WakeFlag;

// A pipe as a count of inPipe in it, and a reader thread's wakes that land at a chosen
// moment of the loop's taking them: before the pipe is read or after it.
struct FlagAndPipe {
    WakeFlag flag;
    int inPipe = 0;
    void wake() {
        if (flag.raise()) {
            ++inPipe;
        }
    }
    void take(bool wakeBeforeRead, bool wakeAfterRead) {
        flag.lower([&] {
            if (wakeBeforeRead) {
                wake();
            }
            inPipe = 0;
            if (wakeAfterRead) {
                wake();
            }
        });
    }
};

// Whatever lands while the loop takes its inPipe, the next wake reaches the loop: it
// finds a signal in the pipe.
TEST(WakeFlag, AWakeWhileTheLoopTakesItsSignalsNeverSilencesTheWakesAfterIt) {
    for (int moment = 0; moment < 4; ++moment) {
        FlagAndPipe p;
        p.wake();
        p.take(moment & 1, moment & 2);
        p.wake();
        EXPECT_GT(p.inPipe, 0) << "wake before the read: " << (moment & 1)
                               << ", after it: " << (moment >> 1);
    }
}

TEST(LoopWake, WakesBeforeTheLoopRunsAreFoldedIntoOneAndLaterOnesWakeAgain) {
    int woken = 0;
    modulelink::LoopWake wake([&] { ++woken; });
    wake.wake();
    wake.wake();
    EXPECT_EQ(woken, 0) << "run on the event loop, not inside wake()";
    QCoreApplication::processEvents();
    EXPECT_EQ(woken, 1);
    wake.wake();
    QCoreApplication::processEvents();
    EXPECT_EQ(woken, 2);
}

}  // namespace
