#include <gtest/gtest.h>

#include <QStringList>

#include "QtPrinters.h"
#include "boards/Ranking.h"
#include "engine/ScoreText.h"

namespace {

// Rows as plain data: a score text and a name that must travel with it.
struct Rows final : boards::RankedList {
    QStringList scores, names;
    Rows(QStringList s, QStringList n) : scores(std::move(s)), names(std::move(n)) {}
    int rankedCount() const override { return static_cast<int>(scores.size()); }
    QString scoreAt(int row) const override { return scores[row]; }
    void setScoreAt(int row, const QString& text) override { scores[row] = text; }
    void exchangeOthers(int upper, int lower) override { names.swapItemsAt(upper, lower); }
};

TEST(Ranking, AnEmptyRowMovingDownPastAScoreTakesZero) {
    Rows rows({"", " 5"}, {"", "A"});
    boards::rankByScore(rows);
    EXPECT_EQ(rows.scores, (QStringList{" 5", "0"}));
}

TEST(Ranking, UnreadableAndHugeScoresRankByTheirLimitedValue) {
    Rows rows({"abc", "-", " 7", QString(40, '9'), "-99999"}, {"A", "B", "C", "D", "E"});
    boards::rankByScore(rows);
    EXPECT_EQ(rows.names, (QStringList{"D", "C", "A", "B", "E"}));
    EXPECT_EQ(rows.scores[1], "7");
    EXPECT_EQ(rows.scores[2], "0") << "letters moved down are written as their value";
    EXPECT_EQ(rows.scores[4], "-99999") << "the bottom row never moved";
    EXPECT_EQ(engine::readScore(rows.scores[0]), 32767);
}

TEST(Ranking, NoRowsOrOneRowChangeNothing) {
    Rows none({}, {});
    boards::rankByScore(none);
    EXPECT_TRUE(none.scores.isEmpty());
    Rows one({"x"}, {"A"});
    boards::rankByScore(one);
    EXPECT_EQ(one.scores, QStringList{"x"});
}

using Sources = std::vector<boards::RowSource>;

TEST(RowGroups, MembersThatStayKeepTheirOrderNewOnesFollowTheRestIsBlank) {
    // Rows show 7, 2, nobody, 4; now 2, 4, 5 and 9 take part.
    const Sources sources = boards::regroupRows({7, 2, -1, 4}, {2, 4, 5, 9});
    EXPECT_EQ(sources, (Sources{{2, 1}, {4, 3}, {5, -1}, {9, -1}}));
    EXPECT_EQ(boards::regroupRows({-1, -1, -1}, {3}), (Sources{{3, -1}, {-1, -1}, {-1, -1}}));
}

TEST(RowGroups, MoreMembersThanRowsFillTheRowsOnly) {
    EXPECT_EQ(boards::regroupRows({-1, -1}, {1, 2, 3}), (Sources{{1, -1}, {2, -1}}));
}

TEST(RowGroups, HoldsExactlyIgnoresOrderAndBlankRows) {
    EXPECT_TRUE(boards::holdsExactly({4, -1, 2}, {2, 4}));
    EXPECT_FALSE(boards::holdsExactly({4, -1, 2}, {2, 4, 5}));
    EXPECT_FALSE(boards::holdsExactly({4, 3, 2}, {2, 4}));
    EXPECT_TRUE(boards::holdsExactly({-1, -1}, {}));
}

}  // namespace
