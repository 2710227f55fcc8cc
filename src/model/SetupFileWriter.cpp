#include "model/SetupFileWriter.h"

#include "model/NumberText.h"

#include <QSaveFile>
#include <QStringList>

#include "model/SetupFileFormat.h"

namespace model {

namespace {

// Numbers carry a blank where a minus sign would be.
QString flag(bool set) {
    return signedText(set ? 1 : 0);
}

QString text(QString value) {
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

// A value longer than a reader takes is cut between two characters: a pasted essay as a
// name must not make the whole file unreadable.
QByteArray lineBytes(const QString& line) {
    QByteArray bytes = line.toUtf8();
    if (bytes.size() > kMaxLineBytes) {
        qsizetype cut = kMaxLineBytes;
        while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) {
            --cut;  // a continuation byte: the character began before the cut
        }
        bytes.truncate(cut);
    }
    return bytes;
}

}  // namespace

QByteArray setupFileBytes(const MatchSettings& s) {
    QStringList lines{kSetupHeader};
    for (const QString& name : s.rosterText) {
        lines << text(name);
    }
    for (int box = 6; box <= 10; ++box) {
        lines << text(s.timerText(box));
    }
    lines << flag(s.scoreStep1) << flag(s.scoreStep5) << flag(s.scoreStep10);
    lines << flag(s.moduleSpeakersOn) << flag(s.soundCardOn);
    lines << flag(s.leaderBoardChosen) << flag(s.classicBoardChosen) << flag(s.cutThroatChosen);
    lines << text(s.buzzSoundFile) << text(s.timerSoundFile) << text(s.gameSoundFile);
    lines << signedText(s.boardBackColor.toInt()) << signedText(s.boardTextColor.toInt());
    for (bool box : {s.timerTabsOn, s.twentySecondTabOn, s.buzzDuringBonus,
                     s.timerContinuesAfterBuzz, s.matchTimerDisabled, s.lockSecondResponder}) {
        lines << flag(box);
    }
    lines << flag(s.computerGenerated);
    while (lines.size() < kSetupLinesWritten) {
        lines << kReservedLine;
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += lineBytes(line) + "\r\n";
    }
    return bytes;
}

std::optional<QString> writeSetupFile(const QString& path, const MatchSettings& settings) {
    // Unbuffered, so that a short write (a full disk) is seen here: through the buffer
    // the final flush loses it and commit() would put a cut-off file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    const QByteArray bytes = setupFileBytes(settings);
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            return file.errorString();  // the temporary file is discarded
        }
        written += n;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace model
