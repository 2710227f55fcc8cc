#include "record/Journal.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "record/EventJson.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace record {

namespace {

const QLatin1String kFormat("qvxconsole match journal");

// Waits until the bytes written are on the disk (not only in the system's cache).
bool syncToDisk(QFile& file) {
    if (!file.flush()) {
        return false;
    }
#ifdef Q_OS_UNIX
    return ::fdatasync(file.handle()) == 0;
#else
    return true;
#endif
}

}  // namespace

bool JournalWriter::create(const QString& path, std::int64_t wall) {
    file_.close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        error_ = file_.errorString();
        return false;
    }
    const QJsonObject header{
        {"format", kFormat}, {"version", kJournalVersion}, {"started", static_cast<double>(wall)}};
    return writeLine(QJsonDocument(header).toJson(QJsonDocument::Compact));
}

bool JournalWriter::append(const model::MatchEvent& event) {
    if (!file_.isOpen()) {
        return false;
    }
    return writeLine(QJsonDocument(toJson(event)).toJson(QJsonDocument::Compact));
}

bool JournalWriter::writeLine(const QByteArray& line) {
    const QByteArray bytes = line + '\n';
    if (file_.write(bytes) != bytes.size() || !syncToDisk(file_)) {
        error_ = file_.errorString();
        file_.close();
        return false;
    }
    return true;
}

JournalContents readJournal(const QString& path) {
    JournalContents contents;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        contents.error =
            QFileInfo(path).isDir() ? QStringLiteral("It is a folder.") : file.errorString();
        return contents;
    }
    const QByteArray all = file.readAll();
    QList<QByteArray> lines = all.split('\n');
    const bool cutLast = !all.endsWith('\n') && !all.isEmpty();
    if (!all.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    const QJsonObject header = QJsonDocument::fromJson(lines.value(0)).object();
    if (header.value("format").toString() != kFormat) {
        contents.error = QStringLiteral("It is not a match journal.");
        return contents;
    }
    contents.version = header.value("version").toInt();
    contents.started = static_cast<std::int64_t>(header.value("started").toDouble());
    if (contents.version > kJournalVersion) {
        contents.skipped << QStringLiteral(
                                "It was written by a newer console (version %1); "
                                "only what this console knows was read.")
                                .arg(contents.version);
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const bool last = i == lines.size() - 1;
        if (last && cutLast) {
            contents.skipped << QStringLiteral("Its last line was cut off while being written.");
            break;
        }
        QJsonParseError parseError{};
        const QJsonDocument line = QJsonDocument::fromJson(lines[i], &parseError);
        const auto event = line.isObject() ? fromJson(line.object()) : std::nullopt;
        if (!event) {
            contents.skipped
                << QStringLiteral("Line %1 is not an event this console knows.").arg(i + 1);
            continue;
        }
        contents.ended = event->kind == model::MatchEvent::Kind::Ended;
        contents.events.append(*event);
    }
    return contents;
}

}  // namespace record
