// The match clock, time-outs and leaving the board for the set-up menu.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace {

using test::EngineHarness;
using Log = std::vector<std::string>;

struct MatchClock : ::testing::Test {
    EngineHarness h{4097, 3};
    void startAt(const QString& matchTime) {
        h.settings.timerText(6) = matchTime;
        h.engine.showMatchTime();
        h.engine.clocklabel_Click();
    }
};

TEST_F(MatchClock, ActivationShowsTheMatchTimeGreyed) {
    h.settings.timerText(6) = "15:00";
    h.engine.showMatchTime();
    EXPECT_EQ(h.view.clock, " 15:00");
    EXPECT_EQ(h.view.clockColor, ui::colors::greyText);
    h.settings.timerText(6) = " 9:05";
    h.engine.showMatchTime();
    EXPECT_EQ(h.view.clock, " 9:05");
}

TEST_F(MatchClock, CountsDownMinutesAndSeconds) {
    h.engine.CommandT_Click();
    startAt("15:00");
    EXPECT_EQ(h.view.clockColor, ui::colors::buttonText);
    EXPECT_EQ(h.view.timer, "");
    EXPECT_FALSE(h.engine.responseTimer().enabled());
    h.advance(1000);
    EXPECT_EQ(h.view.clock, " 14:59");
    h.advance(59000);
    EXPECT_EQ(h.view.clock, " 14:00");
    h.advance(1000);
    EXPECT_EQ(h.view.clock, " 13:59");
    h.advance(50000);
    EXPECT_EQ(h.view.clock, " 13:09");
    EXPECT_TRUE(h.log.empty());  // the modules are not touched
}

TEST_F(MatchClock, FiveSecondClockExpiresWithTheGameSound) {
    h.armAndSettle();
    h.modules.press(1, test::oneTeamPress(0, 1));
    h.advance(802);  // an accepted buzz stopped polling; its sound has ended
    h.modules.clearCommands();
    h.platform.sounds.clear();
    startAt("0:05");
    QStringList shown;
    for (int i = 0; i < 5; ++i) {
        h.advance(1000);
        shown << h.view.clock;
    }
    EXPECT_EQ(shown, (QStringList{" 0:04", " 0:03", " 0:02", " 0:01", " 0:00"}));
    EXPECT_TRUE(h.log.empty());
    h.advance(1000);
    EXPECT_EQ(h.view.name, "Clock Expired");
    EXPECT_EQ(h.view.clock, " 0:00");
    EXPECT_TRUE(h.engine.porttimer().enabled());
    EXPECT_FALSE(h.engine.timer2().enabled());
    EXPECT_EQ(h.log, (Log{"m1:21", "m2:21", "m3:21"}));
    ASSERT_EQ(h.platform.sounds.size(), 1u);
    EXPECT_EQ(h.platform.sounds[0].path, "game.wav");
    EXPECT_EQ(h.platform.sounds[0].flags, 0x2001);
    h.modules.clearCommands();
    h.advance(800);
    EXPECT_EQ(h.log, (Log{"m1:127", "m2:127", "m3:127"}));
}

TEST_F(MatchClock, ClickWhileRunningCallsATimeOutAndTheNextResumes) {
    h.settings.timerText(9) = "60";
    startAt("15:00");
    h.advance(3000);
    h.engine.clocklabel_Click();
    EXPECT_EQ(h.view.clockColor, ui::colors::greyText);
    EXPECT_EQ(h.view.name, "Time Out");
    EXPECT_EQ(h.view.timer, "60");
    h.advance(2000);
    EXPECT_EQ(h.view.clock, " 14:57");
    EXPECT_EQ(h.view.timer, "58");
    h.engine.clocklabel_Click();
    EXPECT_EQ(h.view.timer, "");
    EXPECT_FALSE(h.engine.responseTimer().enabled());
    h.advance(1000);
    EXPECT_EQ(h.view.clock, " 14:56");
}

TEST_F(MatchClock, DisabledMatchTimerMakesEveryClickATimeOut) {
    h.settings.matchTimerDisabled = true;
    h.settings.timerText(9) = "30";
    startAt("15:00");
    EXPECT_EQ(h.view.name, "Time Out");
    EXPECT_EQ(h.view.timer, "30");
    h.advance(1000);
    EXPECT_EQ(h.view.clock, " 15:00");
    EXPECT_EQ(h.view.timer, "29");
}

TEST_F(MatchClock, MatchTimeWithoutANumberExpiresAtTheFirstTick) {
    startAt("soon");
    EXPECT_EQ(h.view.clock, " 0:00");
    h.advance(1000);
    EXPECT_EQ(h.view.name, "Clock Expired");
}

TEST_F(MatchClock, LeaderBoardPlaysTheTimerSoundAtClockExpiry) {
    EngineHarness l(4097, 1, engine::leaderBoardPolicy(), {});
    l.settings.timerText(6) = "0:00";
    l.engine.showMatchTime();
    l.engine.clocklabel_Click();
    l.advance(1000);
    ASSERT_EQ(l.platform.sounds.size(), 1u);
    EXPECT_EQ(l.platform.sounds[0].path, "timer.wav");
}

TEST_F(MatchClock, LeavingForTheSetupMenuArmsLocksAndRunsATimeOut) {
    h.settings.timerText(9) = "45";
    startAt("15:00");
    h.advance(2000);
    h.modules.clearCommands();
    h.engine.leaveForSetupMenu();
    EXPECT_EQ(h.log, (Log{"m1:125", "m2:125", "m3:125", "m1:124", "m2:124", "m3:124"}));
    EXPECT_FALSE(h.engine.timer2().enabled());
    EXPECT_EQ(h.view.clockColor, ui::colors::greyText);
    EXPECT_EQ(h.view.name, "Time Out");
    EXPECT_EQ(h.view.timer, "45");
    EXPECT_EQ(h.settings.timerText(6), " 14:58");
    h.advance(1000);
    EXPECT_EQ(h.view.timer, "44");

    h.engine.showMatchTime();  // the board comes back where the clock stopped
    EXPECT_EQ(h.view.clock, " 14:58");
}

TEST_F(MatchClock, LeavingAfterTheClockRanOutRestoresTheFullMatchTime) {
    h.state.matchTimeSetting = "12:00";
    startAt("0:01");
    h.advance(2000);
    ASSERT_EQ(h.view.clock, " 0:00");
    h.engine.leaveForSetupMenu();
    EXPECT_EQ(h.settings.timerText(6), "12:00");
}

TEST_F(MatchClock, LeavingNeverHandsOverToAWaitingSecondResponder) {
    h.settings.lockSecondResponder = true;
    h.armAndSettle();
    h.modules.press(1, test::oneTeamPress(0, 1));
    h.advance(802);
    h.modules.press(2, test::oneTeamPress(1, 1));
    h.advance(2);
    ASSERT_TRUE(h.state.secondResponderWaiting);
    h.engine.leaveForSetupMenu();
    EXPECT_FALSE(h.state.secondResponderWaiting);
    EXPECT_EQ(h.view.name, "Time Out");
}

}  // namespace
