// Buzz-in on the classic board: lock-out, lights, sounds, refusal, the response timer.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace {

using test::EngineHarness;
using test::oneTeamPress;
using test::playerName;
using test::teamName;
using V = std::vector<int>;
using Log = std::vector<std::string>;

// Three one-team interfaces serving teams 0, 1 and 2.
struct ClassicBoard : ::testing::Test {
    EngineHarness h{4097, 3};
};

TEST_F(ClassicBoard, AcceptedPressShowsTheNameBeforeLockingLightingAndSounding) {
    h.armAndSettle();
    h.buzzOneTeam(1, 3);
    EXPECT_EQ(h.view.team, teamName(1));
    EXPECT_EQ(h.view.name, playerName(1, 3));
    EXPECT_EQ(h.log, (Log{"repaint Player 1-3", "m1:124", "m2:124", "m3:124", "m2:0", "m2:22"}));
    EXPECT_EQ(h.view.scoreColors(),
              (std::vector{ui::colors::buttonFace, ui::colors::green, ui::colors::buttonFace}));
    EXPECT_EQ(h.view.rowColors()[1], ui::colors::buttonFace);  // no banner mark
    EXPECT_FALSE(h.engine.porttimer().enabled());
    EXPECT_EQ(h.state.excludedModule, 2);
    EXPECT_EQ(h.view.questionHidden, 1);
    ASSERT_EQ(h.platform.sounds.size(), 1u);
    EXPECT_EQ(h.platform.sounds[0].path, "buzz.wav");
    EXPECT_EQ(h.platform.sounds[0].flags, 0x2001);
    EXPECT_EQ(h.engine.responderPlayer(), 3);
}

TEST_F(ClassicBoard, OrangeTeamIsRefusedWithLockThenArmAndPollingGoesOn) {
    h.armAndSettle();
    h.view.name = "Earlier";
    h.view.rows[1].color = ui::colors::orange;
    h.buzzOneTeam(1, 2);
    for (int m = 1; m <= 3; ++m) {
        EXPECT_EQ(h.modules.commands(m), (V{124, 125})) << m;
    }
    EXPECT_EQ(h.view.name, "Earlier");
    EXPECT_TRUE(h.engine.porttimer().enabled());
    EXPECT_TRUE(h.platform.sounds.empty());

    h.buzzOneTeam(2, 1);
    EXPECT_EQ(h.view.name, playerName(2, 1));
}

TEST_F(ClassicBoard, OrangeTeamIsRefusedInSecondPlaceModeToo) {
    h.settings.lockSecondResponder = true;
    h.armAndSettle();
    h.view.name = "Earlier";
    h.view.rows[0].color = ui::colors::orange;
    h.buzzOneTeam(0, 4);
    EXPECT_EQ(h.modules.commands(1), (V{124, 125}));
    EXPECT_EQ(h.view.name, "Earlier");
    EXPECT_EQ(h.state.firstResponderTaken, 0);
}

TEST_F(ClassicBoard, WithoutSpeakerOrSoundCardTheSoundTimerStillEndsTheSound) {
    h.settings.moduleSpeakersOn = false;
    h.settings.soundCardOn = false;
    h.armAndSettle();
    h.buzzOneTeam(0, 1);
    EXPECT_EQ(h.modules.commands(1), (V{124, 0}));
    EXPECT_TRUE(h.platform.sounds.empty());
    h.advance(800);
    EXPECT_EQ(h.modules.commands(1), (V{124, 0, 127}));
    EXPECT_EQ(h.modules.commands(3), (V{124, 127}));
}

TEST_F(ClassicBoard, SpeakerSoundEndsWith127ToEveryModule800msLater) {
    h.armAndSettle();
    h.buzzOneTeam(2, 5);
    EXPECT_EQ(h.modules.commands(3), (V{124, 0, 22}));
    h.advance(798);
    EXPECT_EQ(h.modules.commands(1), (V{124}));
    h.advance(1);
    for (int m = 1; m <= 3; ++m) {
        EXPECT_EQ(h.modules.commands(m).back(), 127) << m;
    }
    h.advance(5000);  // one-shot
    EXPECT_EQ(h.modules.commands(1), (V{124, 127}));
}

TEST_F(ClassicBoard, ArmWithin800msSuppressesTheSoundOff) {
    h.armAndSettle();
    h.buzzOneTeam(0, 1);
    h.advance(300);
    h.engine.spacekey();
    h.modules.clearCommands();
    h.advance(600);
    EXPECT_TRUE(h.modules.commands(1).empty());
    EXPECT_FALSE(h.engine.soundtimer().enabled());
}

TEST_F(ClassicBoard, AcceptedPressFreezesTheResponseTimer) {
    h.armAndSettle();
    h.engine.CommandT_Click();
    h.advance(1000);
    h.buzzOneTeam(0, 1);
    h.advance(3000);
    EXPECT_EQ(h.view.timer, "4");
}

TEST_F(ClassicBoard, TimerContinuesAfterBuzzWhenTheOptionIsOn) {
    h.settings.timerContinuesAfterBuzz = true;
    h.armAndSettle();
    h.engine.CommandT_Click();
    h.advance(1000);
    h.buzzOneTeam(0, 1);
    h.advance(2000);
    EXPECT_EQ(h.view.timer, "2");
    EXPECT_TRUE(h.engine.responseTimer().enabled());
}

}  // namespace
