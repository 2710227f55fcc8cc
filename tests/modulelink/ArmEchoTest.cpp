// Which presses after the operator's arm may have been latched before it: exactly those that
// can still be on their way from when the module last latched for the question before.
#include <gtest/gtest.h>

#include <array>

#include "modulelink/ArmEcho.h"
#include "modulelink/ModuleCommands.h"

namespace {

using modulelink::ArmEcho;
using modulelink::ArrivalTime;
using std::chrono::milliseconds;
namespace command = modulelink::command;

constexpr ArrivalTime kPoll = milliseconds(10);  // the slowest module's polling interval

// A module armed at 0 for the question before; `lockAt` locks it (none: it stays armed),
// and the operator's arm goes out at `armAt`.
ArmEcho afterTheOperatorsArm(std::optional<ArrivalTime> lockAt, ArrivalTime armAt) {
    ArmEcho echo;
    echo.commandWritten({command::kArm, ArrivalTime{0}});
    if (lockAt) {
        echo.commandWritten({command::kLock, *lockAt});
    }
    echo.fenceNextArm();
    echo.commandWritten({command::kArm, armAt});
    return echo;
}

bool pressInDoubt(const ArmEcho& echo, ArrivalTime arrival) {
    return echo.inDoubt(arrival, {arrival, arrival});  // nothing came just before it
}

TEST(ArmEcho, APressOnItsWayFromBeforeTheArmIsInDoubtForAPoll) {
    const ArrivalTime arm = milliseconds(500);
    const ArmEcho echo = afterTheOperatorsArm(std::nullopt, arm);  // the space bar
    EXPECT_TRUE(pressInDoubt(echo, arm));
    EXPECT_TRUE(pressInDoubt(echo, arm + kPoll));
    EXPECT_FALSE(pressInDoubt(echo, arm + ArmEcho::kWindow));
    EXPECT_FALSE(pressInDoubt(echo, arm - milliseconds(1))) << "came before the arm: stale";
}

// The reset click locks every module, then arms them: a module stopped latching at its
// lock, a frame per module before its arm.
TEST(ArmEcho, AfterALockTheDoubtCountsFromTheLock) {
    for (const int modules : {1, 5, 10}) {
        const ArrivalTime lock = milliseconds(500);
        const ArrivalTime arm = lock + milliseconds(modules);
        const ArmEcho echo = afterTheOperatorsArm(lock, arm);
        EXPECT_TRUE(pressInDoubt(echo, arm)) << modules;
        EXPECT_TRUE(pressInDoubt(echo, lock + kPoll)) << modules;
        EXPECT_FALSE(pressInDoubt(echo, lock + ArmEcho::kWindow))
            << modules << " modules: a press a poll after the lock was latched after the arm";
    }
}

TEST(ArmEcho, AModuleLockedLongBeforeHasNothingOnItsWay) {
    const ArrivalTime lock = milliseconds(500);
    const ArmEcho echo = afterTheOperatorsArm(lock, lock + ArmEcho::kWindow);
    EXPECT_FALSE(pressInDoubt(echo, lock + ArmEcho::kWindow));
}

// Its taken press holds the module's latch until the arm: it latched nothing else. Unless an
// arm went out to it less than a poll before that press came: that arm may have cleared it.
TEST(ArmEcho, AModuleWhosePressWasTakenHasNothingOnItsWay) {
    const ArrivalTime rearm = milliseconds(200);
    const ArrivalTime noRearm = milliseconds(100);
    const std::array<ArrivalTime, 4> presses{noRearm, rearm + ArmEcho::kWindow,
                                             rearm - milliseconds(1), rearm + milliseconds(1)};
    for (const bool locked : {false, true}) {
        for (const ArrivalTime press : presses) {
            const bool held = press == noRearm || press == rearm + ArmEcho::kWindow;
            ArmEcho echo;
            echo.commandWritten({command::kArm, ArrivalTime{0}});
            if (press != noRearm) {
                echo.commandWritten({command::kArm, rearm});  // a refusal's, before the take
            }
            echo.pressTaken(press);
            const ArrivalTime arm = milliseconds(500);
            if (locked) {
                echo.commandWritten({command::kLock, arm - milliseconds(1)});
            }
            echo.fenceNextArm();
            echo.commandWritten({command::kArm, arm});
            EXPECT_EQ(pressInDoubt(echo, arm + milliseconds(1)), !held)
                << locked << " " << press.count();
            // Re-armed, it may latch again before the next arm.
            echo.fenceNextArm();
            echo.commandWritten({command::kArm, arm + milliseconds(100)});
            EXPECT_TRUE(pressInDoubt(echo, arm + milliseconds(101))) << locked;
        }
    }
}

TEST(ArmEcho, ReportsBackToBackSinceTheLockKeepALaterPressInDoubt) {
    const ArrivalTime lock = milliseconds(500);
    const ArmEcho echo = afterTheOperatorsArm(lock, lock + milliseconds(3));
    const ArrivalTime start = lock + milliseconds(4);
    const ArrivalTime press = start + 3 * kPoll;
    EXPECT_TRUE(echo.inDoubt(press, {start, start}));
    const ArrivalTime late = lock + ArmEcho::kWindow;
    EXPECT_FALSE(echo.inDoubt(press, {late, late}));
    // Status reports answering commands: a run of them from before the lock was the module's
    // queue then; one that began after it answers the console's own commands.
    EXPECT_TRUE(echo.inDoubt(press, {press, lock - milliseconds(1)}));
    EXPECT_FALSE(echo.inDoubt(press, {press, lock + milliseconds(1)}));
}

}  // namespace
