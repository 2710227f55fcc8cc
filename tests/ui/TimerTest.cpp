#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ManualClock.h"
#include "ui/Timer.h"

using test::ManualClock;
using ui::Timer;

TEST(ManualClockTimer, TicksEveryIntervalWhileEnabledOnly) {
    ManualClock clock;
    Timer t(clock, 1000);
    int ticks = 0;
    t.onTick = [&] { ++ticks; };
    clock.advanceMs(5000);
    EXPECT_EQ(ticks, 0) << "a timer starts disabled";
    t.start();
    clock.advanceMs(999);
    EXPECT_EQ(ticks, 0);
    clock.advanceMs(1);
    EXPECT_EQ(ticks, 1);
    clock.advanceMs(3000);
    EXPECT_EQ(ticks, 4);
    t.stop();
    clock.advanceMs(3000);
    EXPECT_EQ(ticks, 4);
}

TEST(ManualClockTimer, FiresDueTicksInTimeOrder) {
    ManualClock clock;
    Timer fast(clock, 300), slow(clock, 500);
    std::vector<std::string> log;
    fast.onTick = [&] { log.push_back("f" + std::to_string(clock.now().count())); };
    slow.onTick = [&] { log.push_back("s" + std::to_string(clock.now().count())); };
    fast.start();
    slow.start();
    clock.advanceMs(1000);
    EXPECT_EQ(log, (std::vector<std::string>{"f300", "s500", "f600", "f900", "s1000"}));
}

TEST(ManualClockTimer, TimerStartedInsideATickIsScheduledFromThatTick) {
    ManualClock clock;
    Timer first(clock, 800), second(clock, 200);
    std::vector<long> fired;
    first.onTick = [&] {
        first.stop();  // one-shot
        second.start();
    };
    second.onTick = [&] {
        fired.push_back(static_cast<long>(clock.now().count()));
        second.stop();
    };
    first.start();
    clock.advanceMs(2000);
    EXPECT_EQ(fired, (std::vector<long>{1000}));
    EXPECT_EQ(clock.now().count(), 2000);
}

TEST(ManualClockTimer, EnablingARunningTimerKeepsItsPhaseButRestartRestarts) {
    ManualClock clock;
    Timer t(clock, 1000);
    int ticks = 0;
    t.onTick = [&] { ++ticks; };
    t.start();
    clock.advanceMs(600);
    t.start();  // already running: no restart
    clock.advanceMs(400);
    EXPECT_EQ(ticks, 1);
    clock.advanceMs(600);
    t.stop();
    t.start();  // restart from now
    clock.advanceMs(999);
    EXPECT_EQ(ticks, 1);
    clock.advanceMs(1);
    EXPECT_EQ(ticks, 2);
}

TEST(ManualClockTimer, StoppingInsideTheTickOfAnotherTimerPreventsItsDueTick) {
    ManualClock clock;
    Timer a(clock, 100), b(clock, 100);
    int bTicks = 0;
    a.onTick = [&] { b.stop(); };
    b.onTick = [&] { ++bTicks; };
    a.start();
    b.start();
    clock.advanceMs(100);
    EXPECT_EQ(bTicks, 0);
}
