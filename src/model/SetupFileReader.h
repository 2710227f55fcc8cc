#pragma once

#include <QString>

#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "model/SetupFileLines.h"
#include "model/SetupFileTarget.h"

namespace model {

// Who reads: the readers differ only in what they do after applying the board marks.
enum class SetupReader {
    StartUp,          // applies the board marks a second time at the end
    RestoreDefaults,  // brings the set-up menu to the front after the board marks
    ChosenFile,       // likewise
    Rescue,           // neither
};

struct SetupReadResult {
    enum class Status { Complete, WrongHeader, Failed };
    Status status = Status::Complete;
    QString error;  // what stopped a failed read
};

// Runs the reading steps over the lines of a set-up file: the header check (a wrong header
// changes nothing), then every value in file order, each applied as it is read. A line
// that is missing or not a number where one is required stops the read; what was read
// and applied before it stays.
SetupReadResult applySetupFile(const SetupFileLines& lines, SetupReader reader,
                               MatchSettings& settings, MatchState& state, SetupFileTarget& target);

}  // namespace model
