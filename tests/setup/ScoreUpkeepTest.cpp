#include <gtest/gtest.h>

#include "WindowHarness.h"
#include "model/Supplier.h"
#include "setup/ScoreUpkeep.h"

using test::WindowHarness;
using ui::MsgAnswer;

namespace {

// The six names of a team slot in the set-up menu and its mirrored score.
QStringList slot(const WindowHarness& h, int team) {
    QStringList texts;
    for (int row = 0; row < 6; ++row) {
        texts << h.menu->Text[model::teamNameIndex(team) + row]->text();
    }
    return texts << h.menu->Score[team]->caption();
}

TEST(EraseScores, OkZeroesEveryScoreOnEveryBoardAndCancelKeepsThem) {
    WindowHarness h(4097, 3, {0, 1, 2});
    auto& classic = h.openBoard();
    classic.Option5.setValue(true);
    classic.scoreLabel_MouseDown(0, ui::kLeftButton);
    classic.scoreLabel_MouseDown(2, ui::kRightButton);
    classic.Commandsetupmenu.click();
    h.menu->Score[7]->setCaption(" 40");
    auto& leader = h.leaderBoard();
    h.menu->mnuLeaderBd.click();
    leader.SLabel(1).setCaption(" 30");
    auto& cutThroat = h.cutThroatBoard();
    h.menu->mnuCutThroat.click();
    boards::ShowAll& list = cutThroat.showAll();
    list.setScore(3, " 15");
    cutThroat.Sort();
    ASSERT_EQ(cutThroat.SLabel(0).caption(), " 15");
    cutThroat.Commandsetupmenu.click();

    h.platform.answers = {MsgAnswer::Cancel};  // also what Esc answers
    h.menu->mnuEraseScores.click();
    const auto& asked = h.platform.messages.back();
    EXPECT_EQ(asked.text, "Caution, This will erase ALL scores. Would you like to contine?");
    EXPECT_EQ(asked.title, "Erase All Scores");
    EXPECT_EQ(asked.buttons, ui::MsgButtons::OKCancel);
    EXPECT_EQ(classic.ascorelabel.caption(), " 5");
    EXPECT_EQ(h.menu->Score[2]->caption(), "-5");
    EXPECT_EQ(leader.SLabel(1).caption(), " 30");
    EXPECT_EQ(list.ScoreText[0]->text(), " 15") << "ranked first";

    h.menu->mnuEraseScores.click();
    for (int team = 0; team < model::kTeamSlots; ++team) {
        EXPECT_EQ(h.menu->Score[team]->caption(), "0") << team;
    }
    for (ui::Label* score : {&classic.ascorelabel, &classic.bscorelabel, &classic.gscorelabel}) {
        EXPECT_EQ(score->caption(), "0");
    }
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(leader.SLabel(row).caption(), "0") << "leader row " << row;
    }
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(cutThroat.SLabel(row).caption(), "0") << "cut-throat row " << row;
    }
    for (int k = 0; k < list.playerCount(); ++k) {
        EXPECT_EQ(list.ScoreText[k]->text(), "0") << "player " << k;
    }
    EXPECT_EQ(h.menu->Text[0]->text(), "Team 1") << "names stay";
    h.menu->mnuScoreBd.click();
    h.menu->CommandHide_Click();
    EXPECT_EQ(classic.ascorelabel.caption(), "0") << "the board reads the erased mirror";
}

TEST(SwapSides, TwoTeamsChangePlacesAndASecondSwapRestoresThem) {
    WindowHarness h(2012, 2, {0, 1});
    h.menu->Text[0]->setText("Tigers");
    h.menu->Text[7]->setText("Ada");
    auto& board = h.openBoard();
    board.Option10.setValue(true);
    board.scoreLabel_MouseDown(0, ui::kLeftButton);
    board.Commandsetupmenu.click();
    const QStringList first = slot(h, 0), second = slot(h, 1), third = slot(h, 2);
    ASSERT_EQ(first.back(), " 10");

    ASSERT_TRUE(h.menu->mnuSwapSides.enabled());
    h.menu->mnuSwapSides.click();
    EXPECT_EQ(slot(h, 0), second);
    EXPECT_EQ(slot(h, 1), first);
    EXPECT_EQ(slot(h, 2), third) << "an unserved slot keeps its content";
    EXPECT_EQ(h.settings.rosterText[0], "Team 2");
    EXPECT_EQ(h.settings.rosterText[1], "Ada") << "with her team, into the first slot";
    h.menu->CommandHide_Click();
    EXPECT_EQ(board.Labelalpha.caption(), "Team 2");
    EXPECT_EQ(board.LabelGamma.caption(), "Tigers");
    EXPECT_EQ(board.gscorelabel.caption(), " 10");

    board.Commandsetupmenu.click();
    h.menu->mnuSwapSides.click();
    EXPECT_EQ(slot(h, 0), first);
    EXPECT_EQ(slot(h, 1), second);
}

TEST(SwapSides, ServedSlotsWithGapsRotateAndTheRestStay) {
    WindowHarness h(4097, 3, {0, 2, 5});
    h.menu->show();
    h.menu->Score[2]->setCaption(" 20");
    QStringList before[10];
    for (int team = 0; team < 10; ++team) {
        before[team] = slot(h, team);
    }
    setup::swapSides(h.state, h.menu->Text, *h.menu);
    EXPECT_EQ(slot(h, 0), before[2]);
    EXPECT_EQ(slot(h, 2), before[5]);
    EXPECT_EQ(slot(h, 5), before[0]);
    for (int team : {1, 3, 4, 6, 7, 8, 9}) {
        EXPECT_EQ(slot(h, team), before[team]) << team;
    }
}

TEST(SwapSides, TheRfInterfaceSwapsTeamsOneAndTwoOnly) {
    WindowHarness h(712, 4, {0, 1, 2, 3}, 1);
    h.menu->show();  // marks slots 2 to 9 served, as the RF interface does
    const QStringList first = slot(h, 0), second = slot(h, 1), third = slot(h, 2);
    setup::swapSides(h.state, h.menu->Text, *h.menu);
    EXPECT_EQ(slot(h, 0), second);
    EXPECT_EQ(slot(h, 1), first);
    EXPECT_EQ(slot(h, 2), third);
}

TEST(SwapSides, NoServedSlotChangesNothing) {
    WindowHarness h(4097, 0, {});
    h.menu->show();
    const QStringList first = slot(h, 0);
    setup::swapSides(h.state, h.menu->Text, *h.menu);
    EXPECT_EQ(slot(h, 0), first);
    WindowHarness one(4097, 1, {3});
    one.menu->show();
    const QStringList alone = slot(one, 3);
    setup::swapSides(one.state, one.menu->Text, *one.menu);
    EXPECT_EQ(slot(one, 3), alone);
}

TEST(HelpMenu, ContactUsListsOurDetailsOnePerLineWithTheStartUpWebAddress) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    h.menu->mnuContactKorvessa.click();
    const auto& box = h.platform.messages.back();
    EXPECT_EQ(box.title, "Quorvantix");
    EXPECT_EQ(box.icon, ui::MsgIcon::Information);
    const QStringList lines = box.text.split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Quorvantix");
    EXPECT_TRUE(lines[2].contains("555-01")) << "a telephone number kept for examples";
    EXPECT_EQ(lines[3], "https://quorvantix.example/support");
    EXPECT_EQ(lines[3], model::kSupplierWebAddress);
}

TEST(HelpMenu, ExitShutsDownWithoutWritingAnyFile) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    h.menu->Text[0]->setText("Edited");
    h.menu->mnuExit.click();
    EXPECT_EQ(h.shutdowns, 1);
    EXPECT_TRUE(h.platform.saveRequests.empty());
    EXPECT_FALSE(QFile::exists(h.folder.file("QvxUSBsetup.txt")));
    EXPECT_FALSE(QFile::exists(h.folder.file("QvxRescueFile.txt")));
}

}  // namespace
