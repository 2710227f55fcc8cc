// The presses behind the one taken are recorded with their splits, in both modes of the
// second-place option, while the modules receive exactly what they did without a record.
#include "MatchFixture.h"

namespace {

using namespace std::chrono_literals;
using test::StampedMatch;

struct Split {
    int slot;
    int player;
    int module;
    double ms;
    bool operator==(const Split&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Split& s) {
    return os << "slot " << s.slot << " player " << s.player << " module " << s.module << " +"
              << s.ms << " ms";
}

std::vector<Split> splitsOf(const QVector<record::Buzz>& buzzes) {
    std::vector<Split> splits;
    for (const record::Buzz& b : buzzes) {
        splits.push_back({b.who.teamSlot, b.who.player, b.who.modulePosition, b.ms});
    }
    return splits;
}

struct LaterPresses : StampedMatch, ::testing::WithParamInterface<bool> {
    const record::Cycle& cycle() {
        const auto& cycles = console.matchRecord().model().cycles();
        EXPECT_FALSE(cycles.isEmpty());
        return cycles.last();
    }
};

// Team 1 presses first; Team 2 arrives 0.1 ms behind (seen together with it), Team 3 with
// two buttons 7 ms behind (queued). Second-place mode holds Team 2; the record keeps
// everybody behind the taken press with their splits.
TEST_P(LaterPresses, AreRecordedWithTheirSplitsAndChangeNoCommand) {
    const bool secondPlace = GetParam();
    console.settings().lockSecondResponder = secondPlace;
    openBoard();
    space();
    clearCommands();
    pressAt(5s, 1, {1, 2});
    pressAt(5s + 100us, 2, {2, 3});
    stamp = 5s + 7ms;
    module(3).press({{3, 1}, {3, 4}});
    QCoreApplication::processEvents();

    EXPECT_EQ(board().NameLabel.caption(), "Two");
    const record::Cycle& c = cycle();
    ASSERT_TRUE(c.responder);
    EXPECT_EQ(c.responder->who.teamSlot, 0);
    const Split three1{2, 1, 3, 7.0};
    const Split three4{2, 4, 3, 7.0};
    if (secondPlace) {
        ASSERT_TRUE(c.second);
        EXPECT_EQ(Split(c.second->who.teamSlot, c.second->who.player, c.second->who.modulePosition,
                        c.second->ms),
                  (Split{1, 3, 2, 0.1}));
        EXPECT_EQ(board().LabelBeta.backColor(), ui::colors::yellow);
        EXPECT_EQ(splitsOf(c.later), (std::vector<Split>{three1, three4}));
        // Only the first responder's lamp and tone: a held second responder gets nothing.
        EXPECT_EQ(received(), (std::vector<std::vector<int>>{{0, 22}, {}, {}}));
    } else {
        EXPECT_FALSE(c.second);
        EXPECT_EQ(splitsOf(c.later), (std::vector<Split>{{1, 3, 2, 0.1}, three1, three4}));
        EXPECT_EQ(received(), (std::vector<std::vector<int>>{{124, 0, 22}, {124}, {124}}));
    }

    // The recorded presses stay dropped: the next full arm (Team 1 got points, so no
    // hand-over) starts with nobody in front.
    clock.advanceMs(1000);
    QTest::mouseClick(board().ascorelabel.widget(), Qt::LeftButton);
    stamp = 9s;
    space();
    QCoreApplication::processEvents();
    clock.advanceMs(20);
    EXPECT_EQ(board().NameLabel.caption(), "");
    EXPECT_TRUE(cycle().later.isEmpty());
    EXPECT_FALSE(cycle().responder);
}

// Second-place mode: once the second responder is held nobody polls, and the modules are not
// locked; a press that comes after that is kept for the record at the next arm.
TEST_F(StampedMatch, APressAfterTheHeldSecondResponderIsRecordedAtTheNextArm) {
    console.settings().lockSecondResponder = true;
    openBoard();
    space();
    pressAt(5s, 1, {1, 2});
    QCoreApplication::processEvents();
    pressAt(5s + 30ms, 2, {2, 3});
    QCoreApplication::processEvents();
    ASSERT_EQ(board().LabelBeta.backColor(), ui::colors::yellow);
    pressAt(5s + 50ms, 3, {3, 5});
    QCoreApplication::processEvents();
    const auto& cycles = console.matchRecord().model().cycles();
    EXPECT_TRUE(cycles.last().later.isEmpty()) << "nobody polls while the second is held";

    QTest::mouseClick(board().ascorelabel.widget(), Qt::LeftButton);  // no hand-over
    stamp = 6s;
    space();
    QCoreApplication::processEvents();
    ASSERT_EQ(cycles.size(), 2);
    EXPECT_EQ(splitsOf(cycles[0].later), (std::vector<Split>{{2, 5, 3, 50.0}}));
    EXPECT_TRUE(cycles[1].later.isEmpty());
    EXPECT_FALSE(cycles[1].responder) << "the recorded press stays dropped";
}

INSTANTIATE_TEST_SUITE_P(SecondPlace, LaterPresses, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& p) {
                             return p.param ? "Held" : "Off";
                         });

}  // namespace
