// Whole matches on the ten-row boards: eight teams on the leader board, twelve players on
// the cut-throat board, on virtual modules and the manual clock.
#include <gtest/gtest.h>

#include <QTest>

#include "MatchFixture.h"
#include "RowCaptions.h"

using test::Match;
using ui::colors::buttonFace;
using ui::colors::green;
using ui::colors::orange;
using ui::colors::red;
using ui::colors::yellow;
using Received = std::vector<std::vector<int>>;

namespace {

void click(ui::Control& c, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(c.widget(), button);
}

// Every module received these commands, and the listed modules these instead.
Received each(int count, std::vector<int> commands, std::map<int, std::vector<int>> except = {}) {
    Received all(count, commands);
    for (auto& [position, other] : except) {
        all[position - 1] = other;
    }
    return all;
}

struct EightTeams : Match {
    EightTeams() : Match("4097:1,4097:2,4097:3,4097:4,4097:5,4097:6,4097:7,4097:8") {}
    boards::LeaderBoard& board() { return console.leaderBoard(); }
    void space() { QTest::keyClick(board().window(), Qt::Key_Space); }
    QStringList names() { return test::rowNames(board()); }
    void buzz(int team, int player) {
        ASSERT_TRUE(module(team).press({{team, player}}));
        clock.advanceMs(30);
    }
};

TEST_F(EightTeams, BuzzRefusalSecondPlaceHandOverAndRanking) {
    platform.runEventsInModals(clock);  // every box lets events and time run, as a real one
    openBoard();
    EXPECT_TRUE(console.menu().Label1.caption().contains("* LeaderBoard ScoreBoard display"));
    ASSERT_TRUE(board().visible());
    EXPECT_FALSE(console.classicBoard().visible());
    EXPECT_EQ(names(), (QStringList{"Team 1", "Team 2", "Team 3", "Team 4", "Team 5", "Team 6",
                                    "Team 7", "Team 8", "", ""}));

    // Team 5's second player buzzes in: shown, its row red with a green score, everybody
    // locked, its own lamp and speaker on, and the speaker off again 800 ms later.
    clearCommands();
    space();
    EXPECT_EQ(received(), each(8, {125}));
    clock.advanceMs(300);
    clearCommands();
    buzz(5, 2);
    EXPECT_EQ(board().NameLabel.caption(), "Twenty-two");
    EXPECT_EQ(board().Labelteam.caption(), "Team 5");
    EXPECT_EQ(board().TLabel(14).backColor(), red);
    EXPECT_EQ(board().SLabel(4).backColor(), green);
    EXPECT_EQ(received(), each(8, {124}, {{5, {124, 0, 22}}}));
    EXPECT_TRUE(module(5).lampLit({5, 2}));
    clock.advanceMs(800);
    EXPECT_EQ(module(5).tone(), sim::Tone::Off);
    EXPECT_EQ(module(1).commands().back(), 127);

    // Ten points, then the right-button reset: the board ranks first and Team 5, who
    // answered, is ineligible in its new row; the re-arm is a plain 125.
    click(board().Option10);
    click(board().SLabel(0));
    EXPECT_EQ(board().SLabel(4).caption(), " 10");
    clearCommands();
    click(board().NameLabel, Qt::RightButton);
    EXPECT_EQ(names().mid(0, 3), (QStringList{"Team 5", "Team 1", "Team 2"}));
    EXPECT_EQ(board().SLabel(0).caption(), " 10");
    EXPECT_EQ(board().TLabel(10).backColor(), orange);
    EXPECT_EQ(board().TLabel(11).backColor(), buttonFace);
    EXPECT_EQ(received(), each(8, {125}));

    // Team 5 again: refused with a lock and a re-arm of every module, nothing shown.
    clock.advanceMs(300);
    clearCommands();
    buzz(5, 1);
    EXPECT_EQ(received(), each(8, {124, 125}));
    EXPECT_EQ(board().NameLabel.caption(), "");
    buzz(2, 3);
    EXPECT_EQ(board().NameLabel.caption(), "Eight");
    EXPECT_EQ(board().TLabel(12).backColor(), red);

    // Second-place mode: Team 3 answers first, Team 8 is held blinking; no points, so the
    // space bar hands the turn to Team 8.
    console.settings().lockSecondResponder = true;
    space();
    clock.advanceMs(300);
    buzz(3, 1);
    EXPECT_EQ(board().NameLabel.caption(), "Eleven");
    EXPECT_EQ(board().TLabel(13).backColor(), orange);
    EXPECT_EQ(board().SLabel(3).backColor(), green);
    clearCommands();
    clock.advanceMs(800);  // speaker off, the others armed for the second place
    EXPECT_EQ(received(), each(8, {127, 125}, {{3, {127}}}));
    buzz(8, 4);
    EXPECT_EQ(board().TLabel(17).backColor(), yellow);
    EXPECT_EQ(board().NameLabel.caption(), "Eleven");
    clearCommands();
    clock.advanceMs(1000);
    EXPECT_EQ(module(8).commands(), (std::vector<int>{4, 124})) << "the held player blinks";
    clearCommands();
    space();
    EXPECT_EQ(board().NameLabel.caption(), "Thirty-nine");
    EXPECT_EQ(board().Labelteam.caption(), "Team 8");
    EXPECT_EQ(board().TLabel(17).backColor(), orange);
    EXPECT_EQ(board().SLabel(7).backColor(), green);
    EXPECT_EQ(received(), each(8, {124}, {{8, {124, 0, 22}}}));
    EXPECT_TRUE(module(8).lampLit({8, 4}));

    // Team 8 scores ten as well: at the next clear it ranks below Team 5, who was first.
    click(board().SLabel(9));
    space();
    EXPECT_EQ(names().mid(0, 3), (QStringList{"Team 5", "Team 8", "Team 1"}));
    EXPECT_EQ(board().SLabel(1).caption(), " 10");
    EXPECT_EQ(board().TLabel(11).backColor(), buttonFace);
}

struct TwelvePlayers : Match {
    TwelvePlayers() : Match("2012:1-2,2012:3-4") {}
    boards::CutThroat& board() { return console.cutThroatBoard(); }
    boards::ShowAll& list() { return board().showAll(); }
    void space() { QTest::keyClick(board().window(), Qt::Key_Space); }
    QStringList names() { return test::rowNames(board()); }
    void buzz(int position, int team, int player) {
        ASSERT_TRUE(module(position).press({{team, player}}));
        clock.advanceMs(30);
    }
};

TEST_F(TwelvePlayers, ResponderScoringEditedScoresAndTheRanking) {
    platform.runEventsInModals(clock);
    console.start();
    console.titleForm().Command1.click();
    // Sixteen buttons, twelve contestants: the fourth player of each team has no name.
    for (int team = 0; team < 4; ++team) {
        ui::TextBox& box = *console.menu().Text[model::playerNameIndex(team, 4)];
        box.edit()->selectAll();
        QTest::keyClick(box.widget(), Qt::Key_Delete);
    }
    console.menu().mnuCutThroat.click();
    ASSERT_TRUE(board().visible());
    board().Commandsetupmenu.click();
    console.menu().CommandHide.click();
    EXPECT_TRUE(board().isFront());
    EXPECT_FALSE(list().visible());
    EXPECT_EQ(list().playerCount(), 12);
    EXPECT_EQ(names(), (QStringList{"One", "Two", "Three", "Six", "Seven", "Eight", "Eleven",
                                    "Twelve", "Thirteen", "Sixteen"}));

    // Seven buzzes in with no points yet and is scored through ScoreLabel.
    clearCommands();
    space();
    EXPECT_EQ(received(), each(2, {125}));
    clock.advanceMs(300);
    clearCommands();
    buzz(1, 2, 2);
    EXPECT_EQ(board().NameLabel.caption(), "Seven");
    EXPECT_EQ(board().Labelteam.caption(), "Top 10 Individuals");
    EXPECT_EQ(board().ScoreLabel.caption(), "0");
    EXPECT_EQ(board().ScoreLabel.backColor(), green);
    EXPECT_EQ(board().TLabel(14).backColor(), red);
    EXPECT_EQ(received(), each(2, {124}, {{1, {124, 0, 22}}}));
    click(board().Option5);
    click(board().ScoreLabel);
    click(board().ScoreLabel);
    EXPECT_EQ(board().ScoreLabel.caption(), " 10");
    EXPECT_EQ(list().ScoreText[4]->text(), " 10");

    space();
    EXPECT_EQ(names().mid(0, 2), (QStringList{"Seven", "One"}));
    EXPECT_EQ(board().SLabel(0).caption(), " 10");
    EXPECT_EQ(board().ScoreLabel.caption(), "");

    // Seventeen, who has no row on the board, gets ten as well and ranks below Seven.
    clock.advanceMs(300);
    buzz(2, 4, 2);
    EXPECT_EQ(board().NameLabel.caption(), "Seventeen");
    EXPECT_EQ(board().ScoreLabel.backColor(), green);
    click(board().Option10);
    click(board().ScoreLabel);
    space();
    EXPECT_EQ(names().mid(0, 3), (QStringList{"Seven", "Seventeen", "One"}));

    // The operator corrects Twelve's score in the list; "Hide Screen" re-ranks the board.
    clock.advanceMs(300);
    clearCommands();
    click(board().CommandShowAll);
    ASSERT_TRUE(list().visible());
    const int twelve = list().rowsNamed("Twelve").at(0);
    list().ScoreText[twelve]->edit()->selectAll();
    QTest::keyClicks(list().ScoreText[twelve]->widget(), "25");
    click(list().CommandHide);
    EXPECT_FALSE(list().visible());
    EXPECT_EQ(names().mid(0, 4), (QStringList{"Twelve", "Seven", "Seventeen", "One"}));
    EXPECT_EQ(board().SLabel(0).caption(), "25");
    EXPECT_EQ(received(), each(2, {})) << "editing scores sends the modules nothing";

    // Twelve buzzes in: the corrected score is the one shown and raised.
    buzz(2, 3, 2);
    EXPECT_EQ(board().NameLabel.caption(), "Twelve");
    EXPECT_EQ(board().ScoreLabel.caption(), "25");
    click(board().ScoreLabel);
    EXPECT_EQ(list().ScoreText[0]->text(), " 35");
}

}  // namespace
