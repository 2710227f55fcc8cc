#include <gtest/gtest.h>

// Mouse moves go through the window system, as a person's do, to the control under them.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include "RecordingBoards.h"
#include "SampleSetupFile.h"
#include "WindowHarness.h"

using model::OptionBox;
using test::RecordingBoardsHarness;
using test::WindowHarness;

namespace {

// A click on the box's indicator, where a person aims.
void clickBox(ui::CheckBox& box) {
    QTest::mouseClick(box.widget(), Qt::LeftButton, {}, QPoint(8, box.widget()->height() / 2));
}

TEST(FormOptions, ShowsTheSevenSwitchesAndDoneHidesIt) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    h.menu->mnuMoreOptions.click();
    setup::FormOptions& form = h.menu->formOptions();
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(h.menu->visible()) << "the dialog is modeless";
    EXPECT_EQ(form.caption(), "Options Menu");
    EXPECT_EQ(form.Check20SecondTab.caption(), "Turn on 20 second Timer Tab (Oklahoma)");
    EXPECT_EQ(form.CheckTimerTabs.caption(), "Turn on Timer Tabs");
    EXPECT_EQ(form.CheckBuzzonBonus.caption(), "Allow \"Buzz-in\" during Bonus");
    EXPECT_EQ(form.CheckTimerContinues.caption(), "Allow Timer to continue after \"Buzz-in\"");
    EXPECT_EQ(form.CheckDisableMatchTimer.caption(), "Disable Match Timer");
    EXPECT_EQ(form.CheckPlayerWaiting.caption(), "Lock up second place respondent");
    EXPECT_EQ(form.CheckPromptsOff.caption(), "Turn off \"mouse over\" operator prompts");
    EXPECT_EQ(form.CommandOptions.caption(), "Done");
    QTest::mouseClick(form.CommandOptions.widget(), Qt::LeftButton);
    EXPECT_FALSE(form.visible());
    h.menu->mnuMoreOptions.click();
    EXPECT_EQ(&h.menu->formOptions(), &form) << "made once, then shown again";
    EXPECT_TRUE(form.visible());
}

TEST(FormOptions, TheMouseOverAControlDescribesIt) {
    WindowHarness h(4097, 2, {0, 1});
    setup::FormOptions& form = h.menu->formOptions();
    form.show();
    const auto over = [&](ui::Control& control) {
        QTest::mouseMove(control.widget(), QPoint(8, control.widget()->height() / 2));
        return form.TextOption.caption();
    };
    const auto overBackground = [&] {
        QTest::mouseMove(form.client(), QPoint(4, 4));
        return form.TextOption.caption();
    };
    EXPECT_EQ(over(form.Check20SecondTab),
              "Checking this box makes the 20 second timer tab available.  (Oklahoma)");
    EXPECT_EQ(overBackground(), "");
    EXPECT_EQ(over(form.CheckTimerTabs),
              "Checking this option will display tabs on the response Timer for Toss Up, Bonus, "
              "and Auxillary Timer.  You must select this option to use the Auxillary Timer.");
    EXPECT_EQ(over(form.CheckBuzzonBonus),
              "Checking this box will allow contestants to Buzz-in while the Bonus Timer is "
              "running.");
    EXPECT_EQ(over(form.CheckTimerContinues),
              "Checking this option causes the Timer (Toss-up, Bonus, and Auxillay) to continue "
              "to count down after a Buzz-in.");
    EXPECT_EQ(over(form.CheckDisableMatchTimer),
              "Checking this box will disable (grey-out) the Match Timer.  Use this option if "
              "you are NOT using the Match Timer.");
    EXPECT_EQ(over(form.CheckPlayerWaiting),
              "Checking this box will lock up the name of the player who was second to buzz in. "
              "This player's name will be displayed as soon as the computer operator clears the "
              "system.  This feature is only availble on computers using a sound card. Sound "
              "from The Quorvantix speaker will be turned off.");
    EXPECT_EQ(over(form.CheckPromptsOff),
              "Checking this option turns OFF operator instructions displayed as the mouse moves "
              "over the various controls.");
    EXPECT_EQ(over(form.TextOption),
              "Move mouse over a particular optiion for a description of that option");
    EXPECT_EQ(overBackground(), "");
    EXPECT_EQ(over(form.CommandOptions), "") << "the button leaves the description alone";
}

TEST(FormOptions, EachBoxTakesEffectOnAllThreeBoardsTheMomentItIsClicked) {
    WindowHarness h(4097, 2, {0, 1});
    h.openBoard();
    h.menu->show();
    setup::FormOptions& form = h.menu->formOptions();
    form.show();
    const auto boards = h.allBoards();
    const auto onEvery = [&](auto shown) {
        for (boards::BoardWindow* board : boards) {
            if (!shown(*board)) {
                return false;
            }
        }
        return true;
    };
    const auto tabsShown = [](boards::BoardWindow& b) {
        return b.CommandT.visible() && b.CommandA.visible() && b.CommandB.visible();
    };
    const auto tabsHidden = [](boards::BoardWindow& b) {
        return !b.CommandT.visible() && !b.CommandA.visible() && !b.CommandB.visible();
    };

    clickBox(form.CheckTimerTabs);
    EXPECT_TRUE(h.settings.timerTabsOn);
    EXPECT_TRUE(onEvery(tabsShown)) << "hidden boards too";
    clickBox(form.Check20SecondTab);
    EXPECT_TRUE(onEvery([](boards::BoardWindow& b) { return b.Command20.visible(); }));
    clickBox(form.CheckBuzzonBonus);
    EXPECT_TRUE(h.state.allowBuzzOnBonus);
    clickBox(form.CheckPromptsOff);
    EXPECT_TRUE(onEvery([](boards::BoardWindow& b) { return !b.TextLabel.visible(); }));
    clickBox(form.CheckPlayerWaiting);
    clickBox(form.CheckTimerContinues);
    EXPECT_TRUE(h.settings.lockSecondResponder && h.settings.timerContinuesAfterBuzz);
    clickBox(form.CheckDisableMatchTimer);
    EXPECT_TRUE(onEvery([](boards::BoardWindow& b) { return b.clocklabel.caption() == "0:00"; }));
    EXPECT_EQ(h.state.savedMatchTime, "15:00");

    for (ui::CheckBox* box : {&form.CheckTimerTabs, &form.Check20SecondTab, &form.CheckBuzzonBonus,
                              &form.CheckPromptsOff, &form.CheckDisableMatchTimer}) {
        clickBox(*box);
    }
    EXPECT_TRUE(onEvery(tabsHidden));
    EXPECT_TRUE(onEvery([](boards::BoardWindow& b) { return !b.Command20.visible(); }));
    EXPECT_TRUE(onEvery([](boards::BoardWindow& b) { return b.TextLabel.visible(); }));
    EXPECT_TRUE(onEvery([](boards::BoardWindow& b) { return b.clocklabel.caption() == "15:00"; }));
    EXPECT_FALSE(h.state.allowBuzzOnBonus);
    EXPECT_FALSE(h.settings.operatorPromptsOff);
}

TEST(FormOptions, EffectsReachAllThreeBoardsAndMakeTheMissingOnes) {
    RecordingBoardsHarness h;
    setup::FormOptions& form = h.menu->formOptions();
    form.CheckTimerTabs.setValue(1);
    EXPECT_EQ(h.log, (QStringList{"Leader created", "Leader: tabs on", "Classic created",
                                  "Classic: tabs on", "CutThroat created", "CutThroat: tabs on"}));
    h.log.clear();
    form.Check20SecondTab.setValue(1);
    form.CheckPromptsOff.setValue(1);
    form.CheckDisableMatchTimer.setValue(1);
    for (const QString board : {"Leader", "Classic", "CutThroat"}) {
        EXPECT_EQ(h.notesOf(board), (QStringList{"20 on", "prompts off", "clock 0:00"}))
            << board.toStdString();
    }
    h.log.clear();
    form.CheckPlayerWaiting.setValue(1);
    form.CheckTimerContinues.setValue(1);
    EXPECT_TRUE(h.log.isEmpty()) << "the engine reads these two when it needs them";
}

TEST(FormOptions, ApplyingTheOptionsRunsEveryEffectInTheMenusOrder) {
    RecordingBoardsHarness h;
    h.settings.twentySecondTabOn = true;
    h.settings.operatorPromptsOff = true;
    h.settings.buzzDuringBonus = true;
    h.menu->SetUpFormOptions();
    for (const QString board : {"Leader", "Classic", "CutThroat"}) {
        EXPECT_EQ(h.notesOf(board),
                  (QStringList{"20 on", "clock 15:00", "prompts off", "prompts off", "tabs off"}))
            << board.toStdString();
    }
    EXPECT_TRUE(h.state.allowBuzzOnBonus);
    EXPECT_TRUE(h.menu->Label1.caption().contains("* Operator 'mouse-over' prompts are OFF."));
}

TEST(FormOptions, ASetupReadSetsTheBoxesOneByOneAndEachChangeRunsAtOnce) {
    RecordingBoardsHarness h;
    h.menu->show();
    setup::FormOptions& form = h.menu->formOptions();
    // Boxes 1 0 1 0 1 1: tabs, buzz on bonus, disable match timer and second place on.
    const QString file = h.folder.write("chosen.txt", test::joinLines(test::sampleSetupLines()));
    h.platform.openResults.push_back(file);
    h.menu->mnuOpen.click();
    // The two boards' own effects run while the file is read (after its colours), and the
    // whole batch once more at the end.
    EXPECT_EQ(h.notesOf("Leader", "fore -2147483630"),
              (QStringList{"fore -2147483630", "tabs on", "clock 0:00", "20 off", "clock 0:00",
                           "prompts on", "prompts on", "tabs on"}));
    EXPECT_EQ(form.CheckTimerTabs.value(), 1);
    EXPECT_EQ(form.Check20SecondTab.value(), 0);
    EXPECT_EQ(form.CheckBuzzonBonus.value(), 1);
    EXPECT_EQ(form.CheckDisableMatchTimer.value(), 1);
    EXPECT_EQ(form.CheckPlayerWaiting.value(), 1);
    EXPECT_TRUE(h.state.allowBuzzOnBonus);
    EXPECT_EQ(h.state.savedMatchTime, "20:00");
}

TEST(FormOptions, AMatchTimeOfNothingIsRefilledAndNeverLeavesTheClocksBlank) {
    RecordingBoardsHarness h;
    h.settings.matchTime = "0:00";
    h.settings.matchTimerDisabled = true;
    h.state.matchTimeSetting = "12:00";
    setup::FormOptions& form = h.menu->formOptions();
    form.CheckDisableMatchTimer.setValue(0);
    EXPECT_EQ(h.settings.matchTime, "12:00");
    EXPECT_EQ(h.menu->Texttimer[6]->text(), "12:00");
    EXPECT_EQ(h.notesOf("Classic"), QStringList{"clock 12:00"});
    EXPECT_EQ(h.state.savedMatchTime, "") << "remembered at the next change";
    form.CheckDisableMatchTimer.setValue(1);
    EXPECT_EQ(h.state.savedMatchTime, "12:00");
    EXPECT_EQ(h.notesOf("Classic"), (QStringList{"clock 12:00", "clock 0:00"}));
}

TEST(FormOptions, TheSummaryWaitsForTheNextActivationOfTheMenu) {
    WindowHarness h(4097, 2, {0, 1});
    auto& board = h.openLeaderBoard();
    h.menu->show();
    setup::FormOptions& form = h.menu->formOptions();
    form.show();
    clickBox(form.CheckPromptsOff);
    EXPECT_FALSE(board.TextLabel.visible());
    EXPECT_FALSE(h.menu->Label1.caption().contains("prompts are OFF"));
    h.menu->show();
    EXPECT_TRUE(h.menu->Label1.caption().contains("* Operator 'mouse-over' prompts are OFF."));
    EXPECT_FALSE(board.TextLabel.visible()) << "the activation keeps the prompts off";
    form.show();
    clickBox(form.CheckPromptsOff);
    EXPECT_TRUE(board.TextLabel.visible());
    h.menu->show();
    EXPECT_FALSE(h.menu->Label1.caption().contains("prompts are OFF"));
}

}  // namespace
