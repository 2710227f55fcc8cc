// The console's audience state as its pages get it: the boards over virtual modules and
// the manual clock, the feed sampling them, and the Options Menu's switch with the
// set-up menu's summary.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTest>

#include "MatchFixture.h"
#include "record/windows/BuzzLog.h"

namespace {

using Mark = web::AudienceState::Mark;

void click(ui::Control& c, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(c.widget(), button);
}

// A click on a check box's indicator, where a person aims.
void clickBox(ui::CheckBox& box) {
    QTest::mouseClick(box.widget(), Qt::LeftButton, {}, QPoint(8, box.widget()->height() / 2));
}

// The row of the published state that shows `name`.
const web::AudienceState::Row* row(const web::AudienceState& s, const QString& name) {
    for (const auto& r : s.rows) {
        if (r.name == name) {
            return &r;
        }
    }
    return nullptr;
}

struct FeedMatch : test::Match {
    explicit FeedMatch(const char* modules) : Match(modules) {}
    void serve() {
        ASSERT_TRUE(console.audience().switchTo(true, 0).isEmpty());
        clock.advanceMs(20);
    }
    // The state as the pages have it once the console's event is done.
    const web::AudienceState& state() {
        QCoreApplication::sendPostedEvents();
        return console.audience().screen().state();
    }
    int samples() {
        QCoreApplication::sendPostedEvents();
        return console.audience().feed()->samples();
    }
    void buzz(int position, int team, int player) {
        ASSERT_TRUE(module(position).press({{team, player}}));
        clock.advanceMs(30);
    }
};

struct EightTeams : FeedMatch {
    EightTeams() : FeedMatch("4097:1,4097:2,4097:3,4097:4,4097:5,4097:6,4097:7,4097:8") {}
    boards::LeaderBoard& leader() { return console.leaderBoard(); }
    void arm() { QTest::keyClick(leader().window(), Qt::Key_Space); }
};

TEST_F(EightTeams, TheLeaderBoardsRowsMarksSecondResponderAndLogReachThePages) {
    openBoard();
    serve();
    EXPECT_EQ(state().board, "leader");
    ASSERT_EQ(state().rows.size(), 8) << "blank rows are left out";
    EXPECT_EQ(state().rows[4].name, "Team 5");
    EXPECT_EQ(state().rows[4].score.trimmed(), "0");

    arm();
    clock.advanceMs(300);
    buzz(5, 5, 2);
    EXPECT_EQ(state().responder, "Twenty-two");
    EXPECT_EQ(state().responderTeam, "Team 5");
    EXPECT_EQ(row(state(), "Team 5")->mark, Mark::Responder);
    ASSERT_EQ(state().log.size(), 1);
    EXPECT_EQ(state().log[0].name, "Twenty-two");
    EXPECT_EQ(state().log[0].team, "Team 5");
    // The split as the record has it on the modules' arrival clock, as the Buzz Log shows.
    const QStringList logged = record::cycleRow(console.matchRecord().model().cycles().last(), 1);
    EXPECT_EQ(state().log[0].splitMs, qRound64(logged[4].toDouble()));

    // Ten points and the right-button reset: Team 5 ranks first, ineligible.
    click(leader().Option10);
    click(leader().SLabel(0));
    click(leader().NameLabel, Qt::RightButton);
    clock.advanceMs(20);
    EXPECT_EQ(state().rows[0].name, "Team 5");
    EXPECT_EQ(state().rows[0].score.trimmed(), "10");
    EXPECT_EQ(state().rows[0].mark, Mark::Ineligible);
    EXPECT_EQ(state().responder, "");

    // Second place: Team 8 is held while Team 3 answers, then takes the turn.
    console.settings().lockSecondResponder = true;
    arm();
    clock.advanceMs(300);
    buzz(3, 3, 1);
    clock.advanceMs(800);
    buzz(8, 8, 4);
    EXPECT_EQ(state().responder, "Eleven");
    EXPECT_EQ(state().secondResponder, "Team 8");
    EXPECT_EQ(row(state(), "Team 8")->mark, Mark::SecondResponder);
    arm();
    clock.advanceMs(20);
    EXPECT_EQ(state().responder, "Thirty-nine");
    EXPECT_NE(state().secondResponder, "Team 8") << "no longer held: it has the turn";
    ASSERT_EQ(state().log.size(), 3);
    EXPECT_EQ(state().log[2].name, "Thirty-nine");
    EXPECT_EQ(state().log[2].number, 3);

    // The match clock runs on the page as on the board.
    click(leader().clocklabel);
    clock.advanceMs(1000);
    EXPECT_TRUE(state().clockRunning);
    EXPECT_EQ(state().clock.trimmed(), "14:59");
    EXPECT_EQ(state().background, "#0000ff");
}

struct ThreeTeams : FeedMatch {
    ThreeTeams() : FeedMatch("4097:1,4097:2,4097:3") {}
};

TEST_F(ThreeTeams, TheClassicBoardsBannersAndItsResponderReachThePages) {
    openBoard();
    serve();
    EXPECT_EQ(state().board, "classic");
    ASSERT_EQ(state().rows.size(), 3);
    space();
    buzz(3, 3, 2);
    EXPECT_EQ(state().responder, "Twelve");
    EXPECT_EQ(state().responderTeam, "Team 3");
    EXPECT_EQ(state().rows[2].mark, Mark::Scoring) << "the score that the clicks change";
    click(board().Labelalpha);
    clock.advanceMs(20);
    EXPECT_EQ(state().rows[0].mark, Mark::Ineligible);
    // Switched off, the pages are gone and the board plays on.
    ASSERT_TRUE(console.audience().switchTo(false, 0).isEmpty());
    EXPECT_FALSE(console.audience().screen().running());
    clock.advanceMs(100);
}

// Pictures are taken when the board or the record changes, one for all that changes
// together, and none while nothing does.
TEST_F(ThreeTeams, ThePagesHearOfEachChangeOnceAndOfNothingElse) {
    openBoard();
    serve();
    const int atStart = samples();
    clock.advanceMs(60000);
    EXPECT_EQ(samples(), atStart) << "nothing changed, nothing was looked at";

    space();
    const int armed = samples();
    EXPECT_LE(armed - atStart, 1);
    ASSERT_TRUE(module(2).press({{2, 3}}));
    clock.advanceMs(30);  // the press, its lock, captions, colours and record entry
    EXPECT_EQ(samples(), armed + 1);
    EXPECT_EQ(state().responder, "Eight");

    // The response timer counts down on the board: one picture a second, each with the
    // board's count.
    click(board().CommandT);
    const int timed = samples();
    const QString timerBefore = state().timer;
    clock.advanceMs(1000);
    EXPECT_EQ(samples(), timed + 1);
    EXPECT_NE(state().timer, timerBefore);
    EXPECT_EQ(state().timer, board().timerlabel.caption());
    const int pressed = samples();

    // The match clock's caption each second, and its start.
    click(board().clocklabel);
    clock.advanceMs(3000);
    EXPECT_TRUE(state().clockRunning);
    EXPECT_EQ(state().clock, board().clocklabel.caption());
    EXPECT_LE(samples() - pressed, 1 + 3 + 3 + 1);
}

struct TwelvePlayers : FeedMatch {
    TwelvePlayers() : FeedMatch("2012:1-2,2012:3-4") {}
};

TEST_F(TwelvePlayers, TheCutThroatBoardShowsItsHeadingAndTheRespondersOwnScore) {
    console.settings().chooseBoard(model::BoardChoice::CutThroat);
    openBoard();
    serve();
    EXPECT_EQ(state().board, "cutthroat");
    EXPECT_EQ(state().title, "Top 10 Individuals");
    QTest::keyClick(console.cutThroatBoard().window(), Qt::Key_Space);
    buzz(2, 3, 2);
    EXPECT_FALSE(state().responder.isEmpty());
    EXPECT_EQ(state().responderScore.trimmed(), "0");
    EXPECT_EQ(state().responderTeam, "") << "the heading is no team";
}

// The Options Menu's switch: on with the summary's addresses and QR code, refused with
// the reason for a bad or taken port.
TEST_F(ThreeTeams, TheOptionsMenuSwitchesTheScreenAndTheSummaryShowsWhereToFindIt) {
    openBoard();
    setup::FrmMenu3_5& menu = console.menu();
    menu.show();
    menu.mnuMoreOptions.click();
    setup::FormOptions& options = menu.formOptions();
    EXPECT_EQ(options.TextWebPort.text(), "8765");

    options.TextWebPort.setText("70000");
    clickBox(options.CheckAudienceScreen);
    EXPECT_EQ(options.CheckAudienceScreen.value(), 0);
    EXPECT_EQ(options.TextOption.caption(), "The port must be a number from 1 to 65535.");
    EXPECT_FALSE(console.audience().screen().running());

    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any));
    const quint16 port = taken.serverPort();
    options.TextWebPort.setText(QString::number(port));
    clickBox(options.CheckAudienceScreen);
    EXPECT_EQ(options.CheckAudienceScreen.value(), 0);
    EXPECT_TRUE(options.TextOption.caption().contains(QString::number(port)));
    EXPECT_FALSE(console.audience().screen().running());

    taken.close();
    clickBox(options.CheckAudienceScreen);
    EXPECT_EQ(options.CheckAudienceScreen.value(), 1);
    ASSERT_TRUE(console.audience().screen().running());
    EXPECT_EQ(console.audience().screen().port(), port);
    menu.OptionDisplay();
    const QString summary = menu.Label1.caption();
    EXPECT_TRUE(summary.contains("* Audience screen in a browser is ON:"));
    EXPECT_TRUE(summary.contains(QStringLiteral(":%1/").arg(port)));
    EXPECT_TRUE(menu.WebQr.visible());
    EXPECT_FALSE(menu.WebQr.label()->pixmap().isNull());

    clickBox(options.CheckAudienceScreen);
    EXPECT_FALSE(console.audience().screen().running());
    menu.OptionDisplay();
    EXPECT_FALSE(menu.Label1.caption().contains("Audience screen"));
    EXPECT_FALSE(menu.WebQr.visible());
}

}  // namespace
