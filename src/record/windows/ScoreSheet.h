#pragma once

#include <QString>

#include "record/MatchModel.h"

namespace record {

// The score sheet as a document: teams and players with their scores, and the toss-up
// table (one row per cycle, as the buzz log shows it).
QString scoreSheetHtml(const MatchModel& match);
// Writes the score sheet as a PDF file; false when the file cannot be written.
bool writeScoreSheet(const MatchModel& match, const QString& pdfPath);

}  // namespace record
