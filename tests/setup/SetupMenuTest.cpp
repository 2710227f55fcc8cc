#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "WindowHarness.h"
#include "model/SetupFileWriter.h"

using test::WindowHarness;

namespace {

TEST(SetupMenu, FourTeamsDisableTheClassicBoardAndSwapSides) {
    WindowHarness h(2012, 4, {0, 1, 2, 3});
    h.menu->show();
    EXPECT_FALSE(h.menu->mnuScoreBd.enabled());
    EXPECT_FALSE(h.menu->mnuSwapSides.enabled());

    WindowHarness two(2012, 2, {0, 1});
    two.menu->show();
    EXPECT_TRUE(two.menu->mnuScoreBd.enabled());
    EXPECT_TRUE(two.menu->mnuSwapSides.enabled());
}

// Eight teams cannot play on a board of three: the leader board takes over, and the
// summary says so.
TEST(SetupMenu, MoreTeamsThanTheClassicBoardShowsChooseTheLeaderBoard) {
    WindowHarness h(4097, 8, {0, 1, 2, 3, 4, 5, 6, 7}, 8);
    h.platform.runEventsInModals(h.clock);
    h.classicBoard().show();  // as a set-up file with the classic mark shows it at start-up
    h.menu->show();
    EXPECT_FALSE(h.classicBoard().visible());
    EXPECT_TRUE(h.settings.leaderBoardChosen);
    EXPECT_FALSE(h.settings.classicBoardChosen);
    EXPECT_TRUE(h.menu->mnuLeaderBd.checked());
    EXPECT_FALSE(h.menu->mnuScoreBd.checked());
    EXPECT_FALSE(h.menu->mnuScoreBd.enabled());
    EXPECT_TRUE(h.menu->Label1.caption().contains("* LeaderBoard ScoreBoard display selected"));
    EXPECT_FALSE(h.menu->Label1.caption().contains("Classic"));
    EXPECT_TRUE(h.menu->visible()) << "the menu stays in front";

    h.menu->CommandHide_Click();
    EXPECT_TRUE(h.leaderBoard().visible());
    EXPECT_FALSE(h.classicBoard().visible());
    EXPECT_EQ(h.leaderBoard().TLabel(17).caption(), "Team 8");
}

TEST(SetupMenu, ThreeTeamsKeepTheClassicBoardAndOtherChoicesStay) {
    WindowHarness three(4097, 3, {0, 1, 2}, 3);
    three.menu->show();
    EXPECT_TRUE(three.settings.classicBoardChosen);

    WindowHarness cut(4097, 8, {0, 1, 2, 3, 4, 5, 6, 7}, 8);
    cut.settings.chooseBoard(model::BoardChoice::CutThroat);
    cut.menu->show();
    EXPECT_TRUE(cut.settings.cutThroatChosen);
}

// The set-up file sets the step buttons and colours of all three boards and shows the
// board it chose; the cut-throat board keeps the file's step.
TEST(SetupMenu, TheSetupFileReachesAllThreeBoards) {
    WindowHarness h(4097, 2, {0, 1});
    model::MatchSettings saved;
    saved.scoreStep5 = true;
    saved.chooseBoard(model::BoardChoice::CutThroat);
    saved.boardBackColor = ui::Color::rgb(0, 64, 0);
    ASSERT_FALSE(model::writeSetupFile(h.folder.file("QvxUSBsetup.txt"), saved).has_value());
    h.menu->show();
    EXPECT_TRUE(h.leaderBoard().Option5.value());
    EXPECT_TRUE(h.classicBoard().Option5.value());
    EXPECT_TRUE(h.cutThroatBoard().Option5.value());
    EXPECT_EQ(h.cutThroatBoard().increment, 5);
    EXPECT_TRUE(h.cutThroatBoard().visible());
    EXPECT_FALSE(h.leaderBoard().visible());
    EXPECT_EQ(h.leaderBoard().backColor(), ui::Color::rgb(0, 64, 0));
    EXPECT_EQ(h.cutThroatBoard().Label5.backColor(), ui::Color::rgb(0, 64, 0));
    EXPECT_TRUE(h.menu->visible());
}

TEST(SetupMenu, OnlyServedTeamSlotsCanBeEdited) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    for (int row = 0; row < 6; ++row) {
        EXPECT_TRUE(h.menu->Text[row]->enabled());
        EXPECT_FALSE(h.menu->Text[12 + row]->enabled()) << "team 3 has no module";
    }
    EXPECT_EQ(h.menu->Text[12]->text(), "Team 3");
}

// A greyed box must look greyed: the disabled colours are the platform's, not the white
// and black the box is given for its enabled state, and it paints differently.
TEST(SetupMenu, BoxesOfUnservedTeamsLookGreyed) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    QWidget* served = h.menu->Text[0]->widget();
    QWidget* unserved = h.menu->Text[12]->widget();
    ASSERT_FALSE(unserved->isEnabled());
    const QPalette standard = QApplication::palette(unserved);
    const QPalette p = unserved->palette();
    EXPECT_EQ(p.color(QPalette::Disabled, QPalette::Base),
              standard.color(QPalette::Disabled, QPalette::Base));
    EXPECT_EQ(p.color(QPalette::Disabled, QPalette::Text),
              standard.color(QPalette::Disabled, QPalette::Text));
    EXPECT_EQ(p.color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    EXPECT_NE(p.color(QPalette::Disabled, QPalette::Text),
              p.color(QPalette::Active, QPalette::Text));

    h.menu->TabStrip1.select(1);
    const QImage enabledLook = served->grab().toImage();
    // Team 3 sits on the same page: the same size of box, painted in other colours.
    const QImage greyedLook = unserved->grab().toImage();
    ASSERT_EQ(enabledLook.size(), greyedLook.size());
    const QPoint inside(enabledLook.width() - 4, enabledLook.height() / 2);
    EXPECT_NE(enabledLook.pixelColor(inside), greyedLook.pixelColor(inside));
}

TEST(SetupMenu, TypedNamesAndTimesGoStraightIntoTheSettings) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    QTest::keyClicks(h.menu->Text[1]->widget(), "!");
    h.menu->Texttimer[7]->setText("7");
    EXPECT_EQ(h.settings.rosterText[1], "One!");
    EXPECT_EQ(h.settings.tossUpTime, "7");
}

TEST(SetupMenu, FifthPlayersShowOnlyOnModelsThatHaveThem) {
    WindowHarness four(2012, 2, {0, 1});
    four.menu->show();
    EXPECT_FALSE(four.menu->Text[5]->visible());
    WindowHarness five(512, 2, {0, 1});
    five.menu->show();
    EXPECT_TRUE(five.menu->Text[5]->visible());
    EXPECT_TRUE(five.menu->Text[59]->visible());
}

TEST(SetupMenu, TabClicksSwapPagesAndTheShowingTabDoesNothing) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    EXPECT_EQ(h.menu->TabStrip1.selectedIndex(), 1);
    EXPECT_FALSE(h.menu->picTab[0]->isHidden());
    for (QWidget* page : h.menu->picTab) {
        EXPECT_TRUE(page->isEnabled());
    }
    h.menu->TabStrip1.select(1);
    EXPECT_FALSE(h.menu->picTab[0]->isHidden());
    h.menu->TabStrip1.select(4);
    EXPECT_TRUE(h.menu->picTab[0]->isHidden());
    EXPECT_FALSE(h.menu->picTab[3]->isHidden());
    EXPECT_EQ(h.menu->currentPage, 3);
}

TEST(SetupMenu, SummaryListsTheOptionsInOrder) {
    WindowHarness h(4097, 2, {0, 1});
    h.settings.radioChannel = "3";
    h.settings.lockSecondResponder = true;
    h.menu->show();
    EXPECT_EQ(h.menu->Label1.caption(),
              "Currently Selected Options List\r\n(Use Menu to change options)\r\n\r\n"
              "Channel # selected:  3\r\nTransmitter Power Level selected:  9\r\n"
              "*Moderator Read Question Mode is ON.\r\n* Quorvantix speakers are ON.\r\n"
              "* Sound card is ON.\r\n* Classic ScoreBoard display selected\r\n"
              "* System 'locks-up' second place respondent.\r\n");
}

TEST(SetupMenu, BothSoundsOffSaysSoundIsOff) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    h.menu->mnuQvxSpeaker.click();
    h.menu->mnuSndCard.click();
    EXPECT_EQ(h.platform.messageTexts().mid(h.platform.messageTexts().size() - 2),
              (QStringList{"Quorvantix Team Module speakers are now OFF.",
                           "Computer Sound Card is now OFF."}));
    EXPECT_TRUE(h.menu->Label1.caption().contains("* Sound is OFF\r\n"));
    EXPECT_FALSE(h.menu->Label1.caption().contains("speakers are ON"));
    EXPECT_FALSE(h.menu->Label1.caption().contains("Sound card is ON"));
    EXPECT_FALSE(h.menu->mnuQvxSpeaker.checked());
}

TEST(SetupMenu, LoadReadsTheRescueFileOnceAndDeletesIt) {
    WindowHarness h(4097, 2, {0, 1});
    model::MatchSettings saved;
    saved.rosterText[0] = "Rescued";
    ASSERT_FALSE(model::writeSetupFile(h.folder.file("QvxRescueFile.txt"), saved).has_value());
    h.menu->show();
    EXPECT_EQ(h.menu->Text[0]->text(), "Rescued");
    EXPECT_FALSE(QFile::exists(h.folder.file("QvxRescueFile.txt")));
}

TEST(SetupMenu, AnUnconfirmedModuleListShowsTheStartUpWindowAgain) {
    WindowHarness h(4097, 2, {0, 1});
    h.state.moduleListConfirmed = false;
    h.menu->show();
    EXPECT_EQ(h.titleShows, 1);
}

TEST(SetupMenu, ExitShutsDownWithoutSaving) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    h.menu->mnuExit.click();
    EXPECT_TRUE(h.state.shutdownInProgress);
    EXPECT_EQ(h.shutdowns, 1);
    EXPECT_FALSE(QFile::exists(h.folder.file("QvxUSBsetup.txt")));
}

TEST(SetupMenu, DisablingTheMatchTimerShowsZeroOnTheClocksAndRemembersTheTime) {
    WindowHarness h(4097, 2, {0, 1});
    auto& board = h.openBoard();
    h.settings.matchTimerDisabled = true;
    h.menu->optionBoxChanged(model::OptionBox::CheckDisableMatchTimer);
    EXPECT_EQ(board.clocklabel.caption(), "0:00");
    EXPECT_EQ(h.state.savedMatchTime, "15:00");
    h.settings.matchTimerDisabled = false;
    h.menu->optionBoxChanged(model::OptionBox::CheckDisableMatchTimer);
    EXPECT_EQ(board.clocklabel.caption(), "15:00");
}

}  // namespace
