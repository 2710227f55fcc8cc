#include "record/MatchRecord.h"

#include <QDateTime>
#include <QDir>

namespace record {

MatchRecord::MatchRecord(QString folder, WallClock wallClock)
    : folder_(std::move(folder)), wallClock_(std::move(wallClock)) {}

void MatchRecord::begin(const model::MatchEvent& opening,
                        const QVector<model::MatchEvent>& resumed) {
    journal_.close();
    model_.clear();
    toldOff_ = false;
    active_ = true;
    const std::int64_t wall = wallClock_();
    // Names sort by time, so the newest journal is the last one.
    const QString name = QStringLiteral("match-%1.jsonl")
                             .arg(QDateTime::fromMSecsSinceEpoch(wall, Qt::UTC)
                                      .toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    if (!folder_.isEmpty() &&
        (!QDir().mkpath(folder_) || !journal_.create(QDir(folder_).filePath(name), wall))) {
        recordOff();
    }
    if (resumed.isEmpty()) {
        model::MatchEvent first = opening;
        first.wall = wall;
        keep(first);
        return;
    }
    for (const model::MatchEvent& event : resumed) {
        keep(event);
    }
}

void MatchRecord::end() {
    if (active_) {
        record(model::consoleEnded());
        journal_.close();
        active_ = false;
    }
}

void MatchRecord::record(const model::MatchEvent& event) {
    if (!active_) {
        return;  // before the match begins (start-up, the set-up file being read)
    }
    model::MatchEvent stamped = event;
    stamped.wall = wallClock_();
    keep(stamped);
}

void MatchRecord::scoresTouched(model::ScoreHow how) {
    if (active_ && onScoresTouched) {
        onScoresTouched(how);
    }
}

void MatchRecord::keep(const model::MatchEvent& event) {
    if (journal_.isOpen() && !journal_.append(event)) {
        recordOff();
    }
    model_.apply(event);
}

void MatchRecord::recordOff() {
    if (!toldOff_ && onRecordOff) {
        toldOff_ = true;
        onRecordOff(journal_.error());
    }
    toldOff_ = true;
}

QString newestJournal(const QString& folder) {
    if (folder.isEmpty()) {
        return {};
    }
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("match-*.jsonl")}, QDir::Files, QDir::Name);
    return names.isEmpty() ? QString() : QDir(folder).filePath(names.last());
}

}  // namespace record
