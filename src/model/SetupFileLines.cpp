#include "model/SetupFileLines.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <vector>

#include "model/SetupFileFormat.h"
#include "model/TextEncoding.h"

namespace model {

namespace {

enum class Got { Line, End, TooLong, Error };

// Takes the next line from the device without its line end (CR LF, LF, or a lone CR as
// old Macintosh editors wrote), reading at most kMaxLineBytes plus the line end.
Got nextLine(QIODevice& device, QByteArray& line) {
    line.clear();
    bool any = false;
    char c = 0;
    while (device.getChar(&c)) {
        any = true;
        if (c == '\n') {
            return Got::Line;
        }
        if (c == '\r') {
            char after = 0;
            if (device.peek(&after, 1) == 1 && after == '\n') {
                device.skip(1);
            }
            return Got::Line;
        }
        if (line.size() == kMaxLineBytes) {
            return Got::TooLong;
        }
        line.append(c);
    }
    if (!device.atEnd()) {
        return Got::Error;
    }
    return any ? Got::Line : Got::End;
}

// Each line on its own: one damaged line of a UTF-8 file must not garble the others. Only
// the file's own byte order mark is dropped (before this); one at the start of a later line
// is part of that text, so what was saved reads back the same.
QString decodeLine(const QByteArray& bytes) {
    if (!isValidUtf8(bytes)) {
        return fromWindows1252(bytes);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

}  // namespace

template <typename NextLine>
SetupFileLines SetupFileLines::collect(NextLine next) {
    SetupFileLines result;
    std::vector<QByteArray> raw;
    QByteArray line;
    while (static_cast<int>(raw.size()) < kSetupLinesRead) {
        const Got got = next(line);
        if (got == Got::Line) {
            raw.push_back(line);
            continue;
        }
        result.stop_ = got == Got::End       ? Stop::EndOfFile
                       : got == Got::TooLong ? Stop::LineTooLong
                                             : Stop::Error;
        break;
    }
    if (!raw.empty() && raw.front().startsWith("\xEF\xBB\xBF")) {
        raw.front().remove(0, 3);
    }
    for (const QByteArray& bytes : raw) {
        result.lines_ << decodeLine(bytes);
    }
    return result;
}

SetupFileLines SetupFileLines::read(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        // A folder or device: opening it could block or read without end.
        SetupFileLines result;
        result.stop_ = Stop::Error;
        result.error_ = QStringLiteral("%1 is not a file").arg(info.fileName());
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetupFileLines result;
        result.stop_ = Stop::Error;
        result.error_ = file.errorString();
        return result;
    }
    SetupFileLines result = collect([&file](QByteArray& line) { return nextLine(file, line); });
    if (result.stop_ == Stop::Error) {
        result.error_ = file.errorString();
    }
    return result;
}

SetupFileLines SetupFileLines::fromBytes(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return collect([&buffer](QByteArray& line) { return nextLine(buffer, line); });
}

QString SetupFileLines::stopDescription() const {
    const int next = count() + 1;
    switch (stop_) {
        case Stop::None:
            return {};
        case Stop::EndOfFile:
            return count() == 0 ? QStringLiteral("The file is empty.")
                                : QStringLiteral("The file ends before line %1.").arg(next);
        case Stop::LineTooLong:
            return QStringLiteral("Line %1 is longer than %2 bytes.").arg(next).arg(kMaxLineBytes);
        case Stop::Error:
            return error_;
    }
    return {};
}

}  // namespace model
