#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include "model/MatchEvents.h"

namespace record {

inline constexpr int kJournalVersion = 1;

// The journal of one match: a JSON Lines file whose first line names the format and its
// version, then one line per event. Each line is on the disk (fdatasync) before append
// returns, so a crash or power loss loses at most the line being written.
class JournalWriter {
  public:
    // Creates the file (never over an existing one) and writes the first line.
    bool create(const QString& path, std::int64_t wall);
    // Appends to an existing journal (a resumed match); a cut last line is ended first.
    bool append(const model::MatchEvent& event);
    void close() { file_.close(); }
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }
    QString error() const { return error_; }

  private:
    bool writeLine(const QByteArray& line);

    QFile file_;
    QString error_;
};

// What a journal holds, read as far as it can be.
struct JournalContents {
    int version = 0;
    std::int64_t started = 0;
    QVector<model::MatchEvent> events;
    bool ended = false;
    // What was left out, one sentence each ("Line 7 is not an event this console knows.").
    QStringList skipped;
    // The file could not be read at all (missing, a folder, no header).
    QString error;
};

JournalContents readJournal(const QString& path);

}  // namespace record
