// The response timer: tabs, bonus, clicks on the count, count-down and expiry.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace {

using test::EngineHarness;
using test::oneTeamPress;
using V = std::vector<int>;
using Log = std::vector<std::string>;

struct ResponseTimer : ::testing::Test {
    EngineHarness h{4097, 3};
    QStringList countTexts(int seconds) {
        QStringList shown{h.view.timer};
        for (int i = 0; i < seconds; ++i) {
            h.advance(1000);
            shown << h.view.timer;
        }
        return shown;
    }
};

TEST_F(ResponseTimer, TossUpCountsDownAndExpiresLockingEveryModule) {
    h.armAndSettle();
    h.settings.timerText(7) = "5";
    h.engine.CommandT_Click();
    EXPECT_EQ(h.view.timerKind, "Toss Up");
    EXPECT_TRUE(h.log.empty());  // a tab leaves the modules alone
    h.advance(4999);
    EXPECT_EQ(h.view.name, "");
    EXPECT_TRUE(h.engine.porttimer().enabled());
    h.advance(1);
    EXPECT_EQ(h.view.timer, "0");
    EXPECT_EQ(h.view.name, "Timer Expired");
    EXPECT_EQ(h.view.timerKind, "");
    EXPECT_EQ(h.log, (Log{"m1:124", "m2:124", "m3:124", "m1:20", "m2:20", "m3:20"}));
    EXPECT_FALSE(h.engine.porttimer().enabled());
    EXPECT_FALSE(h.engine.responseTimer().enabled());
    ASSERT_EQ(h.platform.sounds.size(), 1u);
    EXPECT_EQ(h.platform.sounds[0].path, "timer.wav");
    EXPECT_EQ(h.platform.sounds[0].flags, 0x2001);
    EXPECT_EQ(h.view.questionHidden, 1);
    h.modules.clearCommands();
    h.advance(800);
    EXPECT_EQ(h.log, (Log{"m1:127", "m2:127", "m3:127"}));
}

TEST_F(ResponseTimer, ShowsEverySecondDownToZero) {
    h.settings.timerText(7) = "5";
    h.engine.CommandT_Click();
    EXPECT_EQ(countTexts(6), (QStringList{"5", "4", "3", "2", "1", "0", "0"}));
}

TEST_F(ResponseTimer, LengthZeroShowsMinusOneAndExpires) {
    h.settings.timerText(7) = "0";
    h.engine.CommandT_Click();
    h.advance(1000);
    EXPECT_EQ(h.view.timer, "-1");
    EXPECT_EQ(h.view.name, "Timer Expired");
}

TEST_F(ResponseTimer, NonNumericLengthCountsAsZero) {
    h.settings.timerText(10) = "soon";
    h.engine.CommandA_Click();
    EXPECT_EQ(h.view.timer, "0");
    h.advance(1000);
    EXPECT_EQ(h.view.name, "Timer Expired");
}

TEST_F(ResponseTimer, AuxiliaryAndTwentySecondTabs) {
    h.settings.timerText(10) = "45";
    h.engine.CommandA_Click();
    EXPECT_EQ(h.view.timer, "45");
    EXPECT_EQ(h.view.timerKind, "Auxillary");
    h.advance(500);
    h.engine.Command20_Click();  // restarts from the full length
    EXPECT_EQ(h.view.timer, "20");
    EXPECT_EQ(h.view.timerKind, "20 sec.");
    h.advance(999);
    EXPECT_EQ(h.view.timer, "20");
    h.advance(1);
    EXPECT_EQ(h.view.timer, "19");
}

TEST_F(ResponseTimer, LengthsAreRoundedHalfToEvenAndLimitedToSixteenBits) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {{"2.5", "2"}, {"3.5", "4"}, {"40000", "32767"}, {"-40000", "-32768"}};
    for (const auto& c : cases) {
        h.settings.timerText(7) = c.text;
        h.engine.CommandT_Click();
        EXPECT_EQ(h.view.timer, c.shown) << c.text;
    }
    h.advance(1000);  // a count at the bottom of the range does not wrap round
    EXPECT_EQ(h.view.timer, "-32768");
    EXPECT_EQ(h.view.name, "Timer Expired");
}

TEST_F(ResponseTimer, BonusWithoutBuzzInLocksAndStopsPolling) {
    h.armAndSettle();
    h.settings.timerText(8) = "10";
    h.engine.CommandB_Click();
    EXPECT_EQ(h.log, (Log{"m1:124", "m2:124", "m3:124"}));
    EXPECT_EQ(h.view.name, "Bonus");
    EXPECT_EQ(h.view.timerKind, "Bonus");
    EXPECT_EQ(h.view.timer, "10");
    EXPECT_FALSE(h.engine.porttimer().enabled());
    h.advance(1000);
    EXPECT_EQ(h.view.timer, "9");
}

TEST_F(ResponseTimer, BonusWithBuzzInArmsAndCounts) {
    h.state.allowBuzzOnBonus = true;
    h.settings.timerText(8) = "10";
    h.engine.CommandB_Click();
    EXPECT_EQ(h.log, (Log{"m1:125", "m2:125", "m3:125"}));
    EXPECT_EQ(h.view.name, "");
    EXPECT_EQ(h.view.timer, "10");
    EXPECT_EQ(h.view.timerKind, "Bonus");
    EXPECT_TRUE(h.engine.responseTimer().enabled());
    h.advance(202);
    h.modules.press(2, oneTeamPress(1, 1));
    h.advance(2);
    EXPECT_EQ(h.view.name, test::playerName(1, 1));
}

TEST_F(ResponseTimer, ClickOnARunningCountStopsItAndNothingElse) {
    h.armAndSettle();
    h.engine.CommandT_Click();
    h.advance(1000);
    h.engine.timerlabel_MouseDown(engine::kRightButton);
    EXPECT_FALSE(h.engine.responseTimer().enabled());
    EXPECT_EQ(h.view.timer, "4");
    EXPECT_EQ(h.view.name, "");
    EXPECT_TRUE(h.log.empty());
    h.advance(3000);
    EXPECT_EQ(h.view.timer, "4");

    h.engine.timerlabel_MouseDown(engine::kLeftButton);  // a new toss-up count
    EXPECT_EQ(h.view.timer, "5");
    EXPECT_EQ(h.view.timerKind, "Toss Up");
    EXPECT_TRUE(h.engine.responseTimer().enabled());
    EXPECT_EQ(h.view.questionShown, 0);
}

TEST_F(ResponseTimer, RightClickInComputerQuestionModeShowsTheQuestionAndRunsTheBonus) {
    h.state.computerQuestionMode = true;
    h.settings.timerText(8) = "15";
    h.engine.timerlabel_MouseDown(engine::kRightButton);
    EXPECT_EQ(h.view.questionShown, 1);
    EXPECT_EQ(h.view.timer, "15");
    EXPECT_EQ(h.view.timerKind, "Bonus");
    EXPECT_EQ(h.view.name, "Bonus");
    EXPECT_EQ(h.modules.commands(1), (V{124}));
    EXPECT_TRUE(h.engine.responseTimer().enabled());
}

TEST_F(ResponseTimer, SilentExpiryStillLocks) {
    h.settings.moduleSpeakersOn = false;
    h.settings.soundCardOn = false;
    h.settings.timerText(7) = "1";
    h.engine.CommandT_Click();
    h.advance(1000);
    EXPECT_EQ(h.log, (Log{"m1:124", "m2:124", "m3:124"}));
    EXPECT_TRUE(h.platform.sounds.empty());
}

}  // namespace
