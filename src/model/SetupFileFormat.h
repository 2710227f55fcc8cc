#pragma once

#include <QString>

namespace model {

// The set-up file: one value per line in a fixed order. The rescue file has the same form.
inline const QString kSetupHeader = QStringLiteral("Quorvantix USB Setup File");
inline constexpr int kSetupLinesWritten = 105;
inline constexpr int kSetupLinesRead = 86;  // everything after line 86 is ignored
inline const QString kReservedLine = QStringLiteral("reserved");

// Line numbers (1-based) of the fields that are not simply consecutive texts.
inline constexpr int kFirstRosterLine = 2;     // 2..61: roster slots 0..59
inline constexpr int kFirstTimerLine = 62;     // 62..66: timer boxes 6..10
inline constexpr int kFirstStepLine = 67;      // 67, 68, 69: score steps 1, 5, 10
inline constexpr int kFirstMenuMarkLine = 70;  // 70..74
inline constexpr int kFirstSoundLine = 75;     // 75..77
inline constexpr int kBackColorLine = 78;
inline constexpr int kTextColorLine = 79;
inline constexpr int kFirstOptionBoxLine = 80;  // 80..85
inline constexpr int kQuestionSourceLine = 86;

// Bounds that keep a damaged or foreign file from costing unbounded memory: no value of a
// set-up file comes near this length, so a longer line means the file is not one.
inline constexpr int kMaxLineBytes = 16 * 1024;

// File names, opened by bare name in the working folder (the rescue file in the program
// folder). Names are matched without regard to case, as on the systems the files come from.
inline const QString kSetupFileName = QStringLiteral("QvxUSBsetup.txt");
inline const QString kMakerVariantName = QStringLiteral("QvxUSBsetupLM.txt");
inline const QString kDistributorVariantName = QStringLiteral("QvxUSBsetupKor.txt");
inline const QString kDistributorRestoreName = QStringLiteral("QvxUSBsetupKOR.txt");
inline const QString kRescueFileName = QStringLiteral("QvxRescueFile.txt");

}  // namespace model
