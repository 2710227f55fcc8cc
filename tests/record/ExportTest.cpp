#include <gtest/gtest.h>

#include <QFile>

#include "Events.h"
#include "TempFolder.h"
#include "record/Exports.h"

namespace {

using Kind = model::MatchEvent::Kind;
using model::ScoreHolder;

// A scripted two-team match on the classic board: a toss-up with a bonus, a neg with a
// rebound on a partial re-arm, a hand-over to the held second responder, a toss-up nobody
// answered, and a refused press.
void playScriptedMatch(record::MatchModel& m) {
    std::int64_t wall = 1'765'000'000'000;
    const auto at = [&](model::MatchEvent e) {
        e.wall = (wall += 1500);
        m.apply(e);
    };
    at(test::beginEvent(
        0, {0, 1}, {"Owls", "Ann", "Bo", "Cy", "Di", "", "Larks", "Eve", "Fay", "Gus", "", ""}));
    const auto press = [&](Kind kind, int slot, int player, const QString& name, std::int64_t us) {
        model::MatchEvent e = test::pressEvent(kind, slot, player, us);
        e.who.teamName = slot == 0 ? "Owls" : "Larks";
        e.who.playerName = name;
        at(e);
    };
    const auto score = [&](int slot, int from, int to) {
        at(test::scoreEvent(ScoreHolder::TeamSlot, slot, slot == 0 ? "Owls" : "Larks",
                            QString::number(from), QString::number(to)));
    };
    // 1: Bo buzzes 812.25 ms after the arm, 10 points and a 20-point bonus.
    at(test::armEvent(1'000));
    press(Kind::PressTaken, 0, 2, "Bo", 1'812'250);
    score(0, 0, 10);
    score(0, 10, 20);
    score(0, 20, 30);
    // 2: Eve negs (-5); the right-click re-arm lets Owls' Ann take it for 10.
    at(test::armEvent(5'000));
    press(Kind::PressTaken, 1, 1, "Eve", 5'400'000);
    score(1, 0, -5);
    at(test::armEvent(6'000, true));
    press(Kind::PressTaken, 0, 1, "Ann", 6'250'500);
    score(0, 30, 40);
    // 3: second-place mode: Cy first, Fay held 3.5 ms behind; no points, so the turn passes.
    at(test::armEvent(9'000));
    press(Kind::PressTaken, 0, 3, "Cy", 9'300'000);
    press(Kind::SecondHeld, 1, 2, "Fay", 9'303'500);
    at(test::pressEvent(Kind::HandedOver, 1, 2, 0));
    press(Kind::PressTaken, 1, 2, "Fay", 9'303'500);
    score(1, -5, 5);
    // 4: nobody buzzes. 5: Gus buzzes; a press of Owls' team is refused 40 ms later.
    at(test::armEvent(12'000));
    at(test::armEvent(14'000));
    press(Kind::PressTaken, 1, 3, "Gus", 14'100'000);
    press(Kind::PressRefused, 0, 4, "Di", 14'140'000);
    score(1, 5, 15);
}

QByteArray expected(const QString& name) {
    QFile file(QStringLiteral(QVX_EXPECTED_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// Set QVX_RENEW_EXPECTED=1 to write the files anew for review.
void compare(const QByteArray& actual, const QString& name) {
    if (qEnvironmentVariableIsSet("QVX_RENEW_EXPECTED")) {
        QFile file(QStringLiteral(QVX_EXPECTED_DIR "/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(actual);
        return;
    }
    EXPECT_EQ(actual.toStdString(), expected(name).toStdString());
}

TEST(Export, ScriptedTwoTeamMatchMatchesTheReviewedFiles) {
    record::MatchModel m;
    playScriptedMatch(m);
    compare(record::csvOf(m), "two-team-match.csv");
    const auto qbj = record::qbjOf(m);
    ASSERT_TRUE(qbj);
    compare(*qbj, "two-team-match.qbj");
}

TEST(Export, QbjOnlyForTwoTeamsAndFilesBesideTheCsv) {
    record::MatchModel three;
    three.apply(test::beginEvent(0, {0, 1, 2}, QVector<QString>(18)));
    EXPECT_FALSE(record::qbjOf(three));

    test::TempFolder folder;
    record::MatchModel m;
    playScriptedMatch(m);
    EXPECT_TRUE(record::exportMatch(m, folder.file("final.csv")).isEmpty());
    EXPECT_EQ(folder.read("final.csv"), record::csvOf(m));
    EXPECT_TRUE(folder.read("final.json").contains("\"name\": \"Larks\""));
    EXPECT_FALSE(folder.read("final.qbj").isEmpty());
    EXPECT_TRUE(record::exportMatch(three, folder.file("three.csv")).isEmpty());
    EXPECT_FALSE(QFile::exists(folder.file("three.qbj")));
    EXPECT_FALSE(record::exportMatch(three, folder.file("missing/x.csv")).isEmpty());
}

TEST(Export, ResumeQuestionNamesTimeScoresAndWhatWasSkipped) {
    record::MatchModel m;
    playScriptedMatch(m);
    const QString q = record::resumeQuestion(m, {"Line 9 is not an event this console knows."});
    EXPECT_EQ(q.toStdString(),
              "The match of 2025-12-06 05:46:41 did not end properly.\r\n\r\n"
              "Owls: 40\r\nLarks: 15\r\n\r\nRestore its scores?\r\n\r\n"
              "Part of its record could not be read and is left out:\r\n"
              "Line 9 is not an event this console knows.");
}

}  // namespace
