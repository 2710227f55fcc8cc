#include <gtest/gtest.h>

#include <QTest>

#include "WindowHarness.h"
#include "WindowPictures.h"

using test::WindowHarness;
using ui::kLeftButton;
using ui::kRightButton;

namespace {

TEST(ClassicBoard, ThreeTeamsFillThePositionsFromTheEnabledSlots) {
    WindowHarness h(4097, 3, {0, 2, 4});
    h.settings.rosterText[6 * 2] = "Tigers";
    auto& board = h.openBoard();
    EXPECT_EQ(board.Labelalpha.caption(), "Team 1");
    EXPECT_EQ(board.LabelBeta.caption(), "Tigers");
    EXPECT_EQ(board.LabelGamma.caption(), "Team 5");
    EXPECT_EQ(board.GammaTeam, 4);
    EXPECT_TRUE(board.LabelBeta.visible());
}

TEST(ClassicBoard, ScoreClickWritesTheMirrorAndSurvivesAVisitToTheMenu) {
    WindowHarness h(4097, 3, {0, 1, 2});
    auto& board = h.openBoard();
    board.Option5.setValue(true);
    board.scoreLabel_MouseDown(1, kLeftButton);
    EXPECT_EQ(board.bscorelabel.caption(), " 5");
    EXPECT_EQ(h.menu->Score[1]->caption(), " 5");
    EXPECT_TRUE(h.state.pointsAwarded);

    board.Commandsetupmenu.click();
    EXPECT_TRUE(h.menu->visible());
    board.bscorelabel.setCaption("junk");  // the menu's mirror is what counts
    h.menu->CommandHide_Click();
    EXPECT_EQ(board.bscorelabel.caption(), " 5");
}

TEST(ClassicBoard, TwoTeamModeHidesTheMiddleAndScoresTheRightTeamsOwnSlot) {
    WindowHarness h(2012, 2, {0, 1});
    auto& board = h.openBoard();
    EXPECT_FALSE(board.LabelBeta.visible());
    EXPECT_FALSE(board.bscorelabel.visible());
    EXPECT_EQ(board.LabelGamma.caption(), "Team 2");
    board.Option1.setValue(true);
    board.scoreLabel_MouseDown(2, kLeftButton);
    EXPECT_EQ(h.menu->Score[1]->caption(), " 1");
    EXPECT_EQ(h.menu->Score[0]->caption(), "0");
}

TEST(ClassicBoard, TheRfInterfaceShowsOnlyTwoTeams) {
    WindowHarness h(712, 4, {0, 1, 2, 3}, 1);
    h.menu->load();
    auto& board = h.classicBoard();  // as the transmitter-code dialog shows it
    board.show();
    EXPECT_EQ(h.state.teamCount, 2);
    EXPECT_FALSE(board.LabelBeta.visible());
    EXPECT_EQ(board.Labelalpha.caption(), "Team 1");
    EXPECT_EQ(board.LabelGamma.caption(), "Team 2");
}

TEST(ClassicBoard, ScoresKeepTheirWholeValue) {
    WindowHarness h(4097, 3, {0, 1, 2});
    auto& board = h.openBoard();
    board.ascorelabel.setCaption("995");
    board.Option10.setValue(true);
    board.scoreLabel_MouseDown(0, kLeftButton);
    EXPECT_EQ(board.ascorelabel.caption(), " 1005");
    board.ascorelabel.setCaption("-95");
    board.Option5.setValue(true);
    board.scoreLabel_MouseDown(0, kRightButton);
    EXPECT_EQ(board.ascorelabel.caption(), "-100");
    EXPECT_EQ(h.menu->Score[0]->caption(), "-100");
    board.scoreLabel_MouseDown(0, ui::kMiddleButton);
    EXPECT_EQ(board.ascorelabel.caption(), "-100") << "other buttons change nothing";
}

TEST(ClassicBoard, BannerClicksToggleIneligibilityAndTheGreenScoreMark) {
    WindowHarness h(4097, 3, {0, 1, 2});
    auto& board = h.openBoard();
    QTest::mouseClick(board.Labelalpha.widget(), Qt::LeftButton);
    EXPECT_EQ(board.Labelalpha.backColor(), ui::colors::orange);
    QTest::mouseClick(board.Labelalpha.widget(), Qt::LeftButton);
    EXPECT_EQ(board.Labelalpha.backColor(), ui::colors::buttonFace);
    QTest::mouseClick(board.Labelalpha.widget(), Qt::RightButton);
    EXPECT_EQ(board.Labelalpha.backColor(), ui::colors::buttonFace);
    EXPECT_EQ(board.ascorelabel.backColor(), ui::colors::green);
    QTest::mouseClick(board.Labelalpha.widget(), Qt::RightButton);
    EXPECT_EQ(board.ascorelabel.backColor(), ui::colors::buttonFace);
}

TEST(ClassicBoard, APressShowsTheResponderAndLocksEveryModule) {
    WindowHarness h(4097, 2, {0, 1});
    h.settings.rosterText[6 * 1] = "Tigers";
    h.settings.rosterText[6 * 1 + 3] = "Ada";
    auto& board = h.openBoard();
    QTest::keyClick(board.NameLabel.widget(), Qt::Key_Space);
    EXPECT_EQ(h.modules->commands(1).back(), 125);
    EXPECT_EQ(h.modules->commands(2).back(), 125);
    // Team bits 110 (slot 2), player 3 pressed (bit 3 low).
    h.modules->press(2, 0xC0 | (0x1F ^ 0x08));
    h.clock.advanceMs(2);
    EXPECT_EQ(board.NameLabel.caption(), "Ada");
    EXPECT_EQ(board.Labelteam.caption(), "Tigers");
    EXPECT_EQ(board.gscorelabel.backColor(), ui::colors::green);
    EXPECT_EQ(h.modules->commands(1).back(), 124);
    EXPECT_EQ(h.modules->commands(2), (std::vector<int>{125, 124, 0, 22}));
}

TEST(ClassicBoard, RightClickOnTheNameMarksTheAnsweringTeamAndRearms) {
    WindowHarness h(4097, 3, {0, 1, 2});
    h.settings.rosterText[0] = "Tigers";
    auto& board = h.openBoard();
    board.LabelGamma.setBackColor(ui::colors::orange);
    board.Labelteam.setCaption("Tigers");
    board.ascorelabel.setBackColor(ui::colors::green);
    QTest::mouseClick(board.NameLabel.widget(), Qt::RightButton);
    EXPECT_EQ(board.Labelalpha.backColor(), ui::colors::orange);
    EXPECT_EQ(board.LabelGamma.backColor(), ui::colors::orange) << "earlier marks stay";
    EXPECT_EQ(board.ascorelabel.backColor(), ui::colors::buttonFace);
    EXPECT_EQ(board.Labelteam.caption(), "");
    const std::vector<int>& sent = h.modules->commands(1);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[sent.size() - 2], 124);
    EXPECT_EQ(sent.back(), 125);
}

TEST(ClassicBoard, LeavingWithTheClockRunOutRestoresTheFullMatchTime) {
    WindowHarness h(4097, 2, {0, 1});
    h.state.matchTimeSetting = "12:00";
    auto& board = h.openBoard();
    board.clocklabel.setCaption(" 0:00");
    board.Commandsetupmenu.click();
    EXPECT_EQ(h.settings.matchTime, "12:00");
    EXPECT_EQ(h.menu->Texttimer[6]->text(), "12:00");
    EXPECT_EQ(board.NameLabel.caption(), "Time Out");
    EXPECT_EQ(board.timerlabel.caption(), "60");
}

TEST(ClassicBoard, OptionsShowTheTimerTabsAndHideThePromptLine) {
    WindowHarness h(4097, 2, {0, 1});
    auto& board = h.openBoard();
    EXPECT_FALSE(board.CommandT.visible());
    h.settings.timerTabsOn = true;
    h.settings.twentySecondTabOn = true;
    h.settings.operatorPromptsOff = true;
    h.menu->SetUpFormOptions();
    EXPECT_TRUE(board.CommandT.visible());
    EXPECT_TRUE(board.CommandA.visible());
    EXPECT_TRUE(board.CommandB.visible());
    EXPECT_TRUE(board.Command20.visible());
    EXPECT_FALSE(board.TextLabel.visible());
}

}  // namespace

namespace {

QColor colourAtCentreOf(ui::Form& form, const QImage& image, const ui::Control& control) {
    return image.pixelColor(test::placeOf(form, control).center());
}

TEST(ClassicBoard, MarksAndNamesArePaintedFullSize) {
    WindowHarness h(4097, 3, {0, 1, 2});
    h.settings.rosterText[0] = "Lincoln High Tigers";
    auto& board = h.openBoard();
    board.window()->resize(1280, 720);
    board.NameLabel.setCaption("Alexandra Longname");
    board.Labelteam.setCaption("Lincoln High Tigers");
    board.ascorelabel.setCaption(" 125");
    board.Labelalpha.setBackColor(ui::colors::orange);
    board.bscorelabel.setBackColor(ui::colors::green);
    const QImage image = test::grabWindow(board, "classic-board");
    EXPECT_EQ(colourAtCentreOf(board, image, board.bscorelabel), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(2, image.height() - 2), QColor(0, 0, 255)) << "board background";
    // The name label shrinks its font to fit, but stays large on a 1280 wide board.
    const QFontMetrics metrics(board.NameLabel.widget()->font());
    EXPECT_LE(metrics.horizontalAdvance("Alexandra Longname"), board.NameLabel.widget()->width());
    EXPECT_GE(board.NameLabel.widget()->font().pointSizeF(), 30);
    h.menu->show();
    test::grabWindow(*h.menu, "setup-menu");
}

}  // namespace
