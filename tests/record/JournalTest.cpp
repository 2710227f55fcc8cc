#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QRandomGenerator>

#include "Events.h"
#include "FileSizeLimit.h"
#include "ReadOnlyFolder.h"
#include "TempFolder.h"
#include "record/EventJson.h"
#include "record/Journal.h"
#include "record/MatchRecord.h"

namespace {

using Kind = model::MatchEvent::Kind;

// A random event of any kind, with every field of its kind filled, texts included that
// JSON must escape.
model::MatchEvent randomEvent(QRandomGenerator& rng) {
    const auto pick = [&](int n) { return static_cast<int>(rng.bounded(n)); };
    const QStringList texts{"", " 5", "-45", "Owls", "Ä \"quoted\"\\", "a\tb", "005"};
    const auto text = [&] { return texts[pick(static_cast<int>(texts.size()))]; };
    model::MatchEvent e;
    e.kind = static_cast<Kind>(pick(static_cast<int>(Kind::Ended) + 1));
    e.wall = 1'700'000'000'000 + pick(1'000'000);
    switch (e.kind) {
        case Kind::Begin:
            e.teamSlots = {0, pick(10)};
            for (int i = 0; i < 12; ++i) {
                e.roster.append(text());
            }
            break;
        case Kind::Armed:
            e.board = static_cast<model::BoardChoice>(pick(3));
            e.partial = pick(2) == 1;
            e.at = (std::int64_t{1} << 53) + pick(1'000'000);  // beyond a double's exact range
            break;
        case Kind::PressTaken:
        case Kind::LaterPress:
        case Kind::PressRefused:
        case Kind::SecondHeld:
        case Kind::HandedOver:
            e.who = {pick(10), 1 + pick(5), text(), text(), 1 + pick(4), 2012};
            e.at = (std::int64_t{1} << 53) + pick(1'000'000);
            break;
        case Kind::ScoreChanged:
            e.board = static_cast<model::BoardChoice>(pick(3));
            e.holder = static_cast<model::ScoreHolder>(pick(3));
            e.index = pick(50);
            e.name = text();
            e.oldText = text();
            e.newText = text();
            e.how = static_cast<model::ScoreHow>(pick(5));
            break;
        case Kind::TimerStarted:
            e.seconds = pick(60);
            [[fallthrough]];
        case Kind::TimerExpired:
            e.timer = static_cast<model::TimerKind>(pick(5));
            break;
        case Kind::Clock:
            e.clock = static_cast<model::ClockChange>(pick(4));
            e.text = text();
            break;
        case Kind::BoardChosen:
            e.board = static_cast<model::BoardChoice>(pick(3));
            break;
        case Kind::NameChanged:
            e.index = pick(60);
            e.oldText = text();
            e.newText = text();
            break;
        case Kind::ModuleUnplugged:
            e.text = text();
            break;
        case Kind::Ended:
            break;
    }
    return e;
}

QByteArray asJson(const model::MatchEvent& e) {
    return QJsonDocument(record::toJson(e)).toJson(QJsonDocument::Compact);
}

// Every kind of event, written and read back, comes back the same and rebuilds the same
// scores; the end mark is seen only when it is the last event.
TEST(Journal, RoundTripOfRandomMatches) {
    test::TempFolder folder;
    for (int seed = 1; seed <= 40; ++seed) {
        QRandomGenerator rng(static_cast<quint32>(seed));
        QVector<model::MatchEvent> events;
        for (int i = 0; i < 60; ++i) {
            events.append(randomEvent(rng));
        }
        const QString path = folder.file(QStringLiteral("m%1.jsonl").arg(seed));
        record::JournalWriter writer;
        ASSERT_TRUE(writer.create(path, 42));
        record::MatchModel written;
        for (const auto& e : events) {
            ASSERT_TRUE(writer.append(e));
            written.apply(e);
        }
        writer.close();
        const record::JournalContents back = record::readJournal(path);
        ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
        EXPECT_EQ(back.version, record::kJournalVersion);
        EXPECT_EQ(back.started, 42);
        EXPECT_TRUE(back.skipped.isEmpty());
        ASSERT_EQ(back.events.size(), events.size());
        record::MatchModel read;
        for (int i = 0; i < events.size(); ++i) {
            ASSERT_EQ(asJson(back.events[i]), asJson(events[i]))
                << "seed " << seed << " event " << i;
            read.apply(back.events[i]);
        }
        EXPECT_EQ(back.ended, events.last().kind == Kind::Ended);
        ASSERT_EQ(read.scores().keys(), written.scores().keys());
        for (const auto& key : written.scores().keys()) {
            EXPECT_EQ(read.scores()[key].text, written.scores()[key].text);
        }
        EXPECT_EQ(read.cycles().size(), written.cycles().size());
    }
}

QString writeJournal(const test::TempFolder& folder, const QByteArray& tail, int version = 1) {
    record::JournalWriter writer;
    const QString path = folder.file(QStringLiteral("j.jsonl"));
    QFile::remove(path);
    EXPECT_TRUE(writer.create(path, 7));
    writer.append(test::scoreEvent(model::ScoreHolder::TeamSlot, 0, "Owls", "0", " 10"));
    writer.close();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray all = file.readAll();
    all.replace("\"version\":1", "\"version\":" + QByteArray::number(version));
    file.resize(0);
    file.write(all + tail);
    return path;
}

// A damaged journal gives back what it can and names what it left out.
TEST(Journal, DamagedJournalsRestoreWhatTheyCan) {
    test::TempFolder folder;
    const QByteArray score2 =
        asJson(test::scoreEvent(model::ScoreHolder::TeamSlot, 1, "Larks", "0", " 5"));
    struct Case {
        QByteArray tail;
        int version;
        int events;
        QStringList skipped;
    };
    QList<Case> cases{
        {score2 + "\n", 1, 2, {}},
        {score2.left(score2.size() / 2), 1, 1, {"Its last line was cut off while being written."}},
        {"garbage\n" + score2 + "\n", 1, 2, {"Line 3 is not an event this console knows."}},
        {"{\"t\":5,\"e\":\"laser\"}\n" + score2 + "\n",
         2,
         2,
         {"It was written by a newer console (version 2); only what this console knows was read.",
          "Line 3 is not an event this console knows."}},
        {"{\"t\":5,\"e\":\"score\",\"board\":\"classic\"}\n",
         1,
         1,
         {"Line 3 is not an event this console knows."}},
        {QByteArray("\0\0\0\0", 4), 1, 1, {"Its last line was cut off while being written."}},
    };
    // A name this console does not know, in each field that holds one.
    for (
        const QByteArray unknown : {
            R"({"t":5,"e":"arm","board":"moon","partial":false,"at":"1"})",
            R"({"t":5,"e":"board","board":"moon"})",
            R"({"t":5,"e":"timerExpired","timer":"egg"})",
            R"({"t":5,"e":"clock","clock":"sundial","text":"1:00"})",
            R"({"t":5,"e":"score","board":"classic","holder":"bench","index":0,"new":" 5","how":"click"})",
            R"({"t":5,"e":"score","board":"classic","holder":"team","index":0,"new":" 5","how":"magic"})",
        }) {
        cases.append(
            {unknown + "\n" + score2 + "\n", 1, 2, {"Line 3 is not an event this console knows."}});
    }
    for (const Case& c : cases) {
        const record::JournalContents back =
            record::readJournal(writeJournal(folder, c.tail, c.version));
        EXPECT_TRUE(back.error.isEmpty());
        EXPECT_EQ(back.events.size(), c.events) << c.tail.toStdString();
        EXPECT_EQ(back.skipped, c.skipped) << c.tail.toStdString();
        EXPECT_FALSE(back.ended);
        EXPECT_EQ(back.events[0].newText, " 10");
    }
    EXPECT_FALSE(record::readJournal(folder.file("none.jsonl")).error.isEmpty());
    QDir(folder.path()).mkdir("dir.jsonl");
    EXPECT_EQ(record::readJournal(folder.file("dir.jsonl")).error, "It is a folder.");
    EXPECT_EQ(record::readJournal(folder.write("other.jsonl", "{\"a\":1}\n")).error,
              "It is not a match journal.");
}

struct RecordHarness {
    explicit RecordHarness(const QString& folder) : record(folder, [this] { return ++wall; }) {
        record.onRecordOff = [this](const QString& reason) { told << reason; };
    }
    std::int64_t wall = 1'700'000'000'000;
    QStringList told;
    record::MatchRecord record;
};

// Where the journal cannot be written the match goes on in the model and the operator is
// told once.
TEST(MatchRecord, RecordOffIsToldOnceAndTheMatchGoesOn) {
    test::TempFolder folder;
    const auto play = [](RecordHarness& h) {
        h.record.begin(test::beginEvent(0, {0}, {"Owls", "", "", "", "", ""}));
        for (int i = 1; i <= 5; ++i) {
            h.record.record(
                test::scoreEvent(model::ScoreHolder::TeamSlot, 0, "Owls", {}, QString::number(i)));
        }
    };
    {  // the folder is a file
        RecordHarness h(folder.write("matches", "x"));
        play(h);
        EXPECT_EQ(h.told.size(), 1);
        EXPECT_EQ(h.record.model().score(model::ScoreHolder::TeamSlot, 0)->text, "5");
    }
    {  // read-only
        QDir(folder.path()).mkdir("ro");
        test::ReadOnlyFolder readOnly(folder.file("ro"));
        RecordHarness h(folder.file("ro/matches"));
        play(h);
        EXPECT_EQ(h.told.size(), 1);
        EXPECT_EQ(h.record.model().events().size(), 6);
    }
    {  // the disk fills up mid-match
        RecordHarness h(folder.file("full"));
        h.record.begin(test::beginEvent(0, {0}, {"Owls", "", "", "", "", ""}));
        const QString path = h.record.journalPath();
        const auto size = QFileInfo(path).size();
        test::FileSizeLimit limit(static_cast<rlim_t>(size + 200));
        for (int i = 1; i <= 20; ++i) {
            h.record.record(
                test::scoreEvent(model::ScoreHolder::TeamSlot, 0, "Owls", {}, QString::number(i)));
        }
        EXPECT_EQ(h.told.size(), 1);
        EXPECT_EQ(h.record.model().score(model::ScoreHolder::TeamSlot, 0)->text, "20");
        // What reached the disk reads back whole.
        const record::JournalContents back = record::readJournal(path);
        EXPECT_GT(back.events.size(), 1);
        EXPECT_LE(back.skipped.size(), 1);
    }
    {  // a folder stands where the journal would go
        RecordHarness h(folder.file("taken"));
        QDir(folder.path()).mkpath("taken");
        h.wall = 1'700'000'000'000;
        QDir(folder.file("taken")).mkdir("match-20231114-221320-001.jsonl");
        play(h);
        EXPECT_EQ(h.told.size(), 1);
    }
}

// A resumed match carries its old events into a new journal, which is then the newest.
TEST(MatchRecord, ResumedEventsAreWrittenFirstAndTheEndMarkCloses) {
    test::TempFolder folder;
    RecordHarness h(folder.path());
    h.record.begin(test::beginEvent(0, {0}, {"Owls", "", "", "", "", ""}));
    h.record.record(test::scoreEvent(model::ScoreHolder::TeamSlot, 0, "Owls", "0", " 10"));
    const QString first = h.record.journalPath();
    EXPECT_FALSE(record::readJournal(first).ended);
    const record::JournalContents old = record::readJournal(first);

    h.record.begin({}, old.events);
    EXPECT_EQ(record::newestJournal(folder.path()), h.record.journalPath());
    EXPECT_NE(h.record.journalPath(), first);
    EXPECT_EQ(h.record.model().score(model::ScoreHolder::TeamSlot, 0)->text, " 10");
    EXPECT_EQ(h.record.model().teams().size(), 1);
    h.record.end();
    const record::JournalContents back = record::readJournal(h.record.journalPath());
    EXPECT_TRUE(back.ended);
    EXPECT_EQ(back.events.size(), 3);
    EXPECT_TRUE(h.told.isEmpty());
}

}  // namespace
