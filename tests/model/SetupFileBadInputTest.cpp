#include <gtest/gtest.h>

#include <random>

#include "QtPrinters.h"
#include "RecordingTarget.h"
#include "SampleSetupFile.h"
#include "model/SetupFileFormat.h"
#include "model/SetupFileReader.h"
#include "model/SetupFileWriter.h"

using model::MatchSettings;
using model::SetupFileLines;
using model::SetupReader;
using Status = model::SetupReadResult::Status;

namespace {

// One read of the bytes into fresh settings.
struct Read {
    explicit Read(const QByteArray& bytes) {
        result = model::applySetupFile(SetupFileLines::fromBytes(bytes), SetupReader::StartUp,
                                       settings, state, target);
    }
    MatchSettings settings;
    model::MatchState state;
    test::RecordingTarget target{settings};
    model::SetupReadResult result;
};

// Where line `number` (1-based) of the bytes starts.
qsizetype lineStart(const QByteArray& bytes, int number) {
    qsizetype at = 0;
    for (int line = 1; line < number; ++line) {
        at = bytes.indexOf('\n', at) + 1;
    }
    return at;
}

TEST(SetupFileBadInput, EveryTruncationFailsSafelyUntilLine86HasBegun) {
    const QByteArray whole = test::joinLines(test::sampleSetupLines());
    const qsizetype headerLength = model::kSetupHeader.size();
    const qsizetype line86 = lineStart(whole, 86);
    const qsizetype name0End = lineStart(whole, 3);
    const Read complete(whole);
    for (qsizetype n = 0; n <= whole.size(); ++n) {
        const Read read(whole.left(n));
        if (n == 0) {
            EXPECT_EQ(read.result.status, Status::Failed);
        } else if (n < headerLength) {
            EXPECT_EQ(read.result.status, Status::WrongHeader) << n;
            EXPECT_EQ(read.settings, MatchSettings()) << n;
        } else if (n <= line86) {
            EXPECT_EQ(read.result.status, Status::Failed) << n;
            EXPECT_FALSE(read.result.error.isEmpty()) << n;
        } else {
            EXPECT_EQ(read.result.status, Status::Complete) << n;
        }
        if (n >= name0End) {
            EXPECT_EQ(read.settings.rosterText[0], "Name 0") << n;
        }
        if (n >= lineStart(whole, 87)) {
            EXPECT_EQ(read.settings, complete.settings) << n;
        }
    }
}

TEST(SetupFileBadInput, AMegabyteInPlaceOfAnyLineStopsTheReadThere) {
    const QStringList sample = test::sampleSetupLines();
    const QByteArray megabyte(1 << 20, 'm');
    for (int line = 1; line <= model::kSetupLinesRead; ++line) {
        QByteArray bytes;
        for (int i = 1; i <= sample.size(); ++i) {
            bytes += (i == line ? megabyte : sample[i - 1].toUtf8()) + "\r\n";
        }
        const Read read(bytes);
        if (line == 1) {
            EXPECT_EQ(read.result.status, Status::WrongHeader);
            continue;
        }
        EXPECT_EQ(read.result.status, Status::Failed) << line;
        EXPECT_EQ(read.result.error,
                  QStringLiteral("Line %1 is longer than 16384 bytes.").arg(line));
        if (line > 2) {
            EXPECT_EQ(read.settings.rosterText[0], "Name 0") << line;
        }
    }
}

TEST(SetupFileBadInput, CarriageReturnsLineFeedsAndAByteOrderMarkAllReadTheSame) {
    const QStringList sample = test::sampleSetupLines();
    const Read crlf(test::joinLines(sample));
    ASSERT_EQ(crlf.result.status, Status::Complete);
    for (const QByteArray& bytes : {test::joinLines(sample, "\r"), test::joinLines(sample, "\n"),
                                    "\xEF\xBB\xBF" + test::joinLines(sample)}) {
        const Read read(bytes);
        EXPECT_EQ(read.result.status, Status::Complete);
        EXPECT_EQ(read.settings, crlf.settings);
    }
}

TEST(SetupFileBadInput, NoiseIsRefusedAndChangesNothingBeforeTheHeader) {
    std::mt19937 random(2024);
    for (int i = 0; i < 300; ++i) {
        QByteArray noise(static_cast<qsizetype>(random() % 4096), '\0');
        for (char& c : noise) {
            c = static_cast<char>(random());
        }
        const bool withHeader = i % 2 == 1;
        if (withHeader) {
            noise.prepend(test::joinLines({model::kSetupHeader}));
        }
        const Read read(noise);
        EXPECT_NE(read.result.status, Status::Complete) << i;
        if (!withHeader) {
            EXPECT_EQ(read.settings, MatchSettings()) << i;
        }
    }
}

// A value longer than a reader takes is cut, between characters, so what is saved can
// always be read back, and saving what was read changes nothing more.
TEST(SetupFileBadInput, AnOverLongNameIsCutSoTheSavedFileStaysReadable) {
    MatchSettings settings;
    settings.rosterText[3] = QString(20000, QChar(0x00E9));  // two bytes each in UTF-8
    settings.buzzSoundFile = QString(model::kMaxLineBytes, 'a');
    const QByteArray saved = model::setupFileBytes(settings);
    const Read read(saved);
    ASSERT_EQ(read.result.status, Status::Complete) << read.result.error.toStdString();
    EXPECT_EQ(read.settings.rosterText[3], QString(model::kMaxLineBytes / 2, QChar(0x00E9)));
    EXPECT_EQ(read.settings.buzzSoundFile, settings.buzzSoundFile) << "at the limit: whole";
    EXPECT_EQ(model::setupFileBytes(read.settings), saved);

    settings.rosterText[3] = QString(model::kMaxLineBytes - 1, 'x') + QChar(0x20AC);
    const Read euro(model::setupFileBytes(settings));
    EXPECT_EQ(euro.settings.rosterText[3], QString(model::kMaxLineBytes - 1, 'x'))
        << "a character that does not fit whole is left out whole";
}

// Found by the fuzzer: a name pasted with a byte order mark in front lost it on the next
// read, so saving what was read changed the file.
TEST(SetupFileBadInput, ANameBeginningWithAByteOrderMarkReadsBackTheSame) {
    MatchSettings settings;
    settings.rosterText[7] = QChar(0xFEFF) + QStringLiteral("Team 2");
    const QByteArray saved = model::setupFileBytes(settings);
    const Read read(saved);
    ASSERT_EQ(read.result.status, Status::Complete) << read.result.error.toStdString();
    EXPECT_EQ(read.settings.rosterText[7], settings.rosterText[7]);
    EXPECT_EQ(model::setupFileBytes(read.settings), saved);
}

}  // namespace
