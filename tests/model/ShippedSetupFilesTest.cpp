#include <gtest/gtest.h>

#include <QFile>

#include "RecordingTarget.h"
#include "model/SetupFileLines.h"
#include "model/SetupFileReader.h"
#include "model/SetupFileWriter.h"

namespace {

// The default set-ups shipped in packaging/ are what a fresh start and "Restore Menu
// Default Options" read: they must read completely and hold the program's defaults, with
// the score step of 1 chosen so that score clicks count from the first match.
TEST(ShippedSetupFiles, ReadCompletelyAndHoldTheDefaultsWithStepOne) {
    for (const char* name : {"QvxUSBsetupLM.txt", "QvxUSBsetupKOR.txt"}) {
        const QString path = QStringLiteral(QVX_PACKAGING_DIR "/") + name;
        model::MatchSettings read;
        read.rosterText[0] = "something else";
        model::MatchState state;
        test::RecordingTarget target(read);
        const auto result =
            model::applySetupFile(model::SetupFileLines::read(path),
                                  model::SetupReader::RestoreDefaults, read, state, target);
        EXPECT_EQ(result.status, model::SetupReadResult::Status::Complete) << name;
        model::MatchSettings expected;
        expected.scoreStep1 = true;
        EXPECT_TRUE(read == expected) << name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(file.readAll(), model::setupFileBytes(expected))
            << name << " as the writer writes it";
    }
}

}  // namespace
