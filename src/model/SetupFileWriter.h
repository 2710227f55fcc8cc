#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "model/MatchSettings.h"

namespace model {

// The 105 lines of a set-up file for the settings, in UTF-8 with CR LF line ends. A line
// break inside a text is written as a blank, so a value never spills into the next line,
// and a text longer than a reader takes is cut to that length.
QByteArray setupFileBytes(const MatchSettings& settings);

// Writes the set-up file to `path` through a temporary file in the same folder that
// replaces the target only when complete, so a failed save leaves the old file whole.
// Returns the platform's description of the error, or nothing on success.
std::optional<QString> writeSetupFile(const QString& path, const MatchSettings& settings);

}  // namespace model
