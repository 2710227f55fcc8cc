// Every press counts once: none is lost to a re-arm the console makes while presses are
// on their way, and none is taken twice.
#include "MatchFixture.h"

namespace {

using namespace std::chrono_literals;
using test::StampedMatch;

// Team 1 may not answer; its press is refused (lock, re-arm) while Team 2's press, 0.4 ms
// behind it, is already on its way: Team 2 is shown.
TEST_F(StampedMatch, APressQueuedBehindARefusedOneIsShown) {
    openBoard();
    space();
    pressAt(5s, 1, {1, 1});
    QCoreApplication::processEvents();
    ASSERT_EQ(board().NameLabel.caption(), "One");
    QTest::mouseClick(board().NameLabel.widget(), Qt::RightButton);  // Team 1 answered
    ASSERT_EQ(board().Labelalpha.backColor(), ui::colors::orange);
    QCoreApplication::processEvents();

    pressAt(6s, 1, {1, 2});
    pressAt(6s + 400us, 2, {2, 1});
    stamp = 6s + 600us;  // the refusal's commands go out after both arrived
    QCoreApplication::processEvents();
    clock.advanceMs(10);
    EXPECT_EQ(board().NameLabel.caption(), "Six");
    EXPECT_TRUE(module(1).locked() && module(3).locked());
}

// Second-place mode: a press that arrives while the sound tick writes its commands (127
// to all, then 125 to all but the first responder) is held as the second responder.
TEST_F(StampedMatch, APressThatArrivesWhileTheSoundTickWritesIsHeld) {
    console.settings().lockSecondResponder = true;
    openBoard();
    space();
    pressAt(5s, 1, {1, 1});
    QCoreApplication::processEvents();
    ASSERT_EQ(board().NameLabel.caption(), "One");

    bool pressed = false;
    QObject::connect(&module(1), &sim::VirtualModule::changed, &module(1), [&] {
        if (!pressed && module(1).commands().back() == 127) {
            pressed = true;
            pressAt(5s + 800ms, 2, {2, 3});
            stamp = 5s + 800ms + 300us;  // the tick's 125 reaches module 2 after the press
        }
    });
    clock.advanceMs(800);
    ASSERT_TRUE(pressed) << "the sound tick ran";
    QCoreApplication::processEvents();
    clock.advanceMs(10);
    EXPECT_EQ(board().LabelBeta.backColor(), ui::colors::yellow);
    EXPECT_EQ(board().NameLabel.caption(), "One") << "the first responder keeps the floor";
}

// Second-place mode, hand-over without points: the new first responder holds the floor,
// and the old first responder's press, already counted, is not taken again as the new
// second responder; a new press of its is.
TEST_F(StampedMatch, AfterAHandOverTheOldFirstPressIsNotTakenAgain) {
    console.settings().lockSecondResponder = true;
    openBoard();
    space();
    pressAt(5s, 1, {1, 1});
    QCoreApplication::processEvents();
    clock.advanceMs(1000);  // the sound tick re-arms modules 2 and 3
    pressAt(6s, 3, {3, 4});
    QCoreApplication::processEvents();
    ASSERT_EQ(board().LabelGamma.backColor(), ui::colors::yellow);

    stamp = 7s;
    space();  // no points: the turn goes to Team 3
    QCoreApplication::processEvents();
    clock.advanceMs(100);
    EXPECT_EQ(board().NameLabel.caption(), "Fourteen");
    EXPECT_FALSE(console.state().secondResponderWaiting)
        << "Team 1's old press was held again as second responder";

    clock.advanceMs(1000);  // the new first responder's sound tick re-arms modules 1 and 2
    pressAt(9s, 1, {1, 3});
    QCoreApplication::processEvents();
    clock.advanceMs(10);
    EXPECT_TRUE(console.state().secondResponderWaiting) << "a new press of Team 1 is held";
    EXPECT_EQ(board().NameLabel.caption(), "Fourteen");
}

}  // namespace
