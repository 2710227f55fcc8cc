// The menu's questions and dialogs when they run events while they are up, as real modal
// boxes do: the board's time-out counts down behind the menu meanwhile.
#include <gtest/gtest.h>

#include "WindowHarness.h"

using test::WindowHarness;
using ui::MsgAnswer;

namespace {

// The classic board left for the menu, its time-out running, every box running events.
struct ModalMenu : ::testing::Test {
    WindowHarness h{4097, 2, {0, 1}};
    boards::ScoreBoard3& board = h.openBoard();

    void SetUp() override {
        board.Option5.setValue(true);
        board.scoreLabel_MouseDown(0, ui::kLeftButton);
        board.Commandsetupmenu.click();
        ASSERT_EQ(board.timerlabel.caption(), "60");
        h.platform.runEventsInModals(h.clock);
    }
    // Whole seconds the time-out has counted since the menu came up.
    int secondsCounted() const { return 60 - board.timerlabel.caption().trimmed().toInt(); }
};

TEST_F(ModalMenu, TheSoundChoiceLoopsAndKeepsItsAnswer) {
    const QString bell = h.folder.write("bell.wav", "RIFF"), horn = h.folder.write("horn.wav", "R");
    h.platform.openResults = {bell, horn, std::nullopt};
    h.platform.answers = {MsgAnswer::No, MsgAnswer::Yes};
    h.menu->MnuBuzzSnd.click();
    EXPECT_EQ(h.settings.buzzSoundFile, horn);
    EXPECT_EQ(h.platform.openRequests.size(), 2u);
    EXPECT_GE(secondsCounted(), 4) << "two dialogs and two questions ran events";
}

TEST_F(ModalMenu, EraseWaitsForItsAnswer) {
    h.platform.answers = {MsgAnswer::Cancel, MsgAnswer::OK};
    h.menu->mnuEraseScores.click();
    EXPECT_EQ(h.menu->Score[0]->caption(), " 5");
    h.menu->mnuEraseScores.click();
    EXPECT_EQ(h.menu->Score[0]->caption(), "0");
    EXPECT_EQ(board.ascorelabel.caption(), "0");
    EXPECT_GE(secondsCounted(), 2);
    EXPECT_EQ(h.platform.deepestModalNesting, 1);
}

TEST_F(ModalMenu, ACancelledColourDialogKeepsTheColour) {
    h.platform.colorResults = {std::nullopt, ui::colors::black};
    h.menu->mnubackgroundcolor.click();
    EXPECT_EQ(board.backColor(), ui::colors::blue);
    h.menu->mnubackgroundcolor.click();
    EXPECT_EQ(board.backColor(), ui::colors::black);
    h.menu->mnuContactKorvessa.click();
    EXPECT_EQ(h.platform.messages.back().title, "Quorvantix");
    EXPECT_GE(secondsCounted(), 3);
}

}  // namespace
