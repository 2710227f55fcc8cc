#include <gtest/gtest.h>

#include "Events.h"
#include "record/MatchModel.h"

namespace {

using Kind = model::MatchEvent::Kind;
using model::ScoreHolder;

TEST(MatchModel, CycleKeepsReactionSplitsRefusalsAndPoints) {
    record::MatchModel m;
    int changes = 0;
    QObject::connect(&m, &record::MatchModel::changed, [&] { ++changes; });
    m.apply(test::beginEvent(1000, {0, 1},
                             {"Owls", "A", "B", "", "", "", "Larks", "C", "", "", "", ""}));
    ASSERT_EQ(m.teams().size(), 2);
    EXPECT_EQ(m.teams()[1].name, "Larks");
    EXPECT_EQ(m.teams()[1].players[0], "C");

    m.apply(test::armEvent(10'000));
    m.apply(test::pressEvent(Kind::PressTaken, 1, 2, 10'000'000 + 312'500));
    m.apply(test::pressEvent(Kind::PressRefused, 0, 1, 10'000'000 + 400'000));
    m.apply(test::pressEvent(Kind::SecondHeld, 0, 3, 10'000'000 + 318'250));
    m.apply(test::pressEvent(Kind::LaterPress, 0, 4, 10'000'000 + 320'000));
    m.apply(test::scoreEvent(ScoreHolder::TeamSlot, 1, "Larks", "0", " 10"));
    m.apply(test::scoreEvent(ScoreHolder::TeamSlot, 0, "Owls", "0", " 5", model::ScoreHow::Swap));
    m.apply(test::armEvent(20'000, true));

    ASSERT_EQ(m.cycles().size(), 2);
    const record::Cycle& c = m.cycles()[0];
    ASSERT_TRUE(c.responder);
    EXPECT_EQ(c.responder->who.teamSlot, 1);
    EXPECT_DOUBLE_EQ(c.responder->ms, 312.5);
    ASSERT_TRUE(c.second);
    EXPECT_DOUBLE_EQ(c.second->ms, 5.75);
    ASSERT_EQ(c.refused.size(), 1);
    EXPECT_DOUBLE_EQ(c.refused[0].ms, 87.5);
    ASSERT_EQ(c.later.size(), 1);
    EXPECT_DOUBLE_EQ(c.later[0].ms, 7.5);
    // A swap moves scores; it gives no points.
    ASSERT_EQ(c.points.size(), 1);
    EXPECT_EQ(c.points[0].delta, 10);
    EXPECT_TRUE(m.cycles()[1].partial);
    EXPECT_FALSE(m.cycles()[1].responder);
    EXPECT_EQ(m.teamScore(m.teams()[1]), " 10");
    EXPECT_EQ(m.teamScore(m.teams()[0]), " 5");
    EXPECT_TRUE(m.hasScores());
    EXPECT_EQ(changes, 9);
}

TEST(MatchModel, HandOverKeepsTheSecondResponderAndDropsItsReplay) {
    record::MatchModel m;
    m.apply(test::armEvent(0));
    m.apply(test::pressEvent(Kind::PressTaken, 0, 1, 100'000));
    m.apply(test::pressEvent(Kind::SecondHeld, 1, 1, 150'000));
    model::MatchEvent over = test::pressEvent(Kind::HandedOver, 1, 1, 0);
    m.apply(over);
    m.apply(test::pressEvent(Kind::PressTaken, 1, 1, 150'000));
    m.apply(test::scoreEvent(ScoreHolder::TeamSlot, 1, "Team 1", " 0", " 10"));
    const record::Cycle& c = m.cycles()[0];
    EXPECT_TRUE(c.handedOver);
    EXPECT_EQ(c.responder->who.teamSlot, 0);
    EXPECT_EQ(c.second->who.teamSlot, 1);
    EXPECT_TRUE(c.later.isEmpty());
    EXPECT_EQ(c.points.size(), 1);
}

TEST(MatchModel, TeamScoresFollowTheBoardAndNamesFollowEdits) {
    record::MatchModel m;
    m.apply(
        test::beginEvent(0, {2, 5}, {"Owls", "", "", "", "", "", "Larks", "Kim", "", "", "", ""}));
    model::MatchEvent board;
    board.kind = Kind::BoardChosen;
    board.board = model::BoardChoice::Leader;
    m.apply(board);
    m.apply(test::scoreEvent(ScoreHolder::LeaderRow, 0, "Larks", "0", "30", model::ScoreHow::Sort));
    m.apply(test::scoreEvent(ScoreHolder::LeaderRow, 1, "Owls", "30", "-5", model::ScoreHow::Sort));
    m.apply(
        test::scoreEvent(ScoreHolder::PlayerList, 3, "Kim", "0", " 15", model::ScoreHow::Typed));
    EXPECT_EQ(m.teamScore(m.teams()[1]), "30");
    EXPECT_EQ(m.teamScore(m.teams()[0]), "-5");
    EXPECT_EQ(m.playerScore("Kim"), " 15");
    EXPECT_EQ(m.playerScore("Nobody"), "0");

    model::MatchEvent rename;
    rename.kind = Kind::NameChanged;
    rename.index = 5 * 6 + 1;
    rename.newText = "Kimberly";
    m.apply(rename);
    EXPECT_EQ(m.teams()[1].players[0], "Kimberly");
    // A press before any arm starts no cycle.
    record::MatchModel fresh;
    fresh.apply(test::pressEvent(Kind::PressTaken, 0, 1, 5));
    EXPECT_TRUE(fresh.cycles().isEmpty());
    EXPECT_EQ(fresh.events().size(), 1);
    EXPECT_FALSE(fresh.hasScores());
}

}  // namespace
