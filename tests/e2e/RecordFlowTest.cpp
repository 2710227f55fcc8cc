// The match record over the whole console: a match played on virtual modules is journaled,
// and a console started after a crash at any point restores the scores shown then.
#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include "ManualClock.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "app/Console.h"
#include "record/Journal.h"
#include "sim/VirtualModuleSet.h"

namespace {

using Kind = model::MatchEvent::Kind;

// One run of the console on a two-team module (teams 1 and 2), its data folder given.
struct ConsoleRun {
    explicit ConsoleRun(const QString& folder, const QString& dataFolder)
        : platform(folder),
          modules(sim::VirtualModuleSet::create("2012:1-2", clock.stamps()).modules),
          console((platform.userDataDir = dataFolder, platform), clock, modules->transport()) {
        platform.runEventsInModals(clock);  // every box lets events and time run, as a real one
    }

    test::RecordingPlatform platform;
    test::ManualClock clock;
    std::unique_ptr<sim::VirtualModuleSet> modules;
    app::Console console;

    boards::ScoreBoard3& board() { return console.classicBoard(); }
    void open() {
        console.start();
        console.titleForm().Command1.click();
        console.menu().CommandHide_Click();
        board().increment = 1;  // no set-up file here sets the step
    }
    // The messages shown under this title.
    std::vector<test::RecordingPlatform::Message> titled(const QString& title) const {
        std::vector<test::RecordingPlatform::Message> found;
        for (const auto& m : platform.messages) {
            if (m.title == title) {
                found.push_back(m);
            }
        }
        return found;
    }
    QStringList shown() {
        return {board().ascorelabel.caption(), board().bscorelabel.caption(),
                board().gscorelabel.caption()};
    }
};

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
    }
}

// A random classic-board match: arms, presses, score clicks of both buttons and all three
// steps, swaps. At random moments the journal on the disk is copied as a crash would
// leave it; a console started on each copy restores exactly the scores shown then.
TEST(RecordFlow, EveryCrashPointRestoresTheScoresShown) {
    test::TempFolder work;
    const QString data = work.file("data");
    struct Crash {
        QString folder;
        QStringList shown;
    };
    QVector<Crash> crashes;
    {
        ConsoleRun run(work.path(), data);
        run.open();
        QRandomGenerator rng(19);
        for (int step = 0; step < 60; ++step) {
            switch (rng.bounded(5)) {
                case 0:
                    QTest::keyClick(run.board().window(), Qt::Key_Space);
                    break;
                case 1: {
                    const int team = 1 + static_cast<int>(rng.bounded(2));
                    run.modules->module(0).press({{team, 1 + static_cast<int>(rng.bounded(4))}});
                    run.clock.advanceMs(20);
                    break;
                }
                case 2:
                case 3: {
                    const int steps[] = {1, 5, 10};
                    run.board().increment = steps[rng.bounded(3)];
                    ui::Label& label =
                        rng.bounded(2) == 0 ? run.board().ascorelabel : run.board().gscorelabel;
                    QTest::mouseClick(label.widget(),
                                      rng.bounded(3) == 0 ? Qt::RightButton : Qt::LeftButton);
                    break;
                }
                case 4:
                    run.board().Commandsetupmenu_Click();
                    run.console.menu().mnuSwapSides.click();
                    run.console.menu().CommandHide_Click();
                    break;
            }
            if (rng.bounded(6) == 0) {
                const QString copy = work.file(QStringLiteral("crash%1").arg(step));
                copyFolder(data + "/matches", copy + "/matches");
                crashes.append({copy, run.shown()});
            }
        }
        ASSERT_GE(crashes.size(), 4);
        const record::JournalContents journal =
            record::readJournal(run.console.matchRecord().journalPath());
        EXPECT_TRUE(journal.skipped.isEmpty());
        EXPECT_FALSE(journal.ended);
        const auto count = [&](Kind kind) {
            return std::count_if(journal.events.begin(), journal.events.end(),
                                 [&](const model::MatchEvent& e) { return e.kind == kind; });
        };
        EXPECT_GT(count(Kind::Armed), 0);
        EXPECT_GT(count(Kind::PressTaken), 0);
        EXPECT_GT(count(Kind::ScoreChanged), 0);
    }
    for (const Crash& crash : crashes) {
        ConsoleRun again(work.path(), crash.folder);
        again.open();
        const bool hadScores = crash.shown != QStringList{"0", "0", "0"};
        EXPECT_EQ(again.titled("Restore Match").size(), hadScores ? 1u : 0u);
        EXPECT_EQ(again.shown(), crash.shown) << crash.folder.toStdString();
    }
}

// Exit writes the end mark: the next start asks nothing. Declining a restore leaves the
// scores at 0 and the next start does not ask again.
TEST(RecordFlow, EndedOrDeclinedMatchesAreNotOfferedAgain) {
    test::TempFolder work;
    const QString data = work.file("data");
    const auto playAndScore = [&](ConsoleRun& run) {
        run.open();
        QTest::mouseClick(run.board().ascorelabel.widget(), Qt::LeftButton);
        EXPECT_EQ(run.board().ascorelabel.caption(), " 1");
    };
    {
        ConsoleRun run(work.path(), data);
        playAndScore(run);
        run.console.menu().mnuExit.click();
    }
    {
        ConsoleRun run(work.path(), data);
        playAndScore(run);
        EXPECT_TRUE(run.titled("Restore Match").empty());
    }
    {
        ConsoleRun run(work.path(), data);
        // DONE's message and the three about the missing set-up file come first.
        run.platform.answers = {ui::MsgAnswer::OK, ui::MsgAnswer::OK, ui::MsgAnswer::OK,
                                ui::MsgAnswer::OK, ui::MsgAnswer::No};
        run.open();
        ASSERT_EQ(run.titled("Restore Match").size(), 1u);
        EXPECT_TRUE(run.titled("Restore Match")[0].text.contains("Team 1: 1"));
        EXPECT_EQ(run.board().ascorelabel.caption(), "0");
    }
    {
        ConsoleRun run(work.path(), data);
        run.open();
        EXPECT_TRUE(run.titled("Restore Match").empty());
    }
}

// New Match asks before it closes a match with scores, then starts at 0 in a new journal.
TEST(RecordFlow, NewMatchAsksThenStartsAtZero) {
    test::TempFolder work;
    ConsoleRun run(work.path(), work.file("data"));
    run.open();
    const QString first = run.console.matchRecord().journalPath();
    QTest::mouseClick(run.board().gscorelabel.widget(), Qt::LeftButton);
    run.platform.answers = {ui::MsgAnswer::No};
    run.console.menu().mnuNewMatch.click();
    EXPECT_EQ(run.board().gscorelabel.caption(), " 1");
    EXPECT_EQ(run.console.matchRecord().journalPath(), first);
    run.console.menu().mnuNewMatch.click();
    EXPECT_EQ(run.titled("New Match").size(), 2u);
    EXPECT_EQ(run.board().gscorelabel.caption(), "0");
    EXPECT_NE(run.console.matchRecord().journalPath(), first);
    EXPECT_TRUE(record::readJournal(first).ended);
    EXPECT_FALSE(run.console.matchRecord().model().hasScores());
}

// A read-only data folder: the operator is told once, the match goes on.
TEST(RecordFlow, AnUnwritableRecordIsToldOnce) {
    test::TempFolder work;
    ConsoleRun run(work.path(), work.write("data", "a file where the folder should be"));
    run.open();
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(run.board().ascorelabel.widget(), Qt::LeftButton);
    }
    EXPECT_EQ(run.board().ascorelabel.caption(), " 3");
    EXPECT_EQ(run.titled("Match Record").size(), 1u);
    EXPECT_EQ(run.console.matchRecord().model().score(model::ScoreHolder::TeamSlot, 0)->text, " 3");
}

}  // namespace
