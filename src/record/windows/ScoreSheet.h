#pragma once

#include <QString>

#include "record/MatchModel.h"
#include "ui/Platform.h"

namespace record {

// The score sheet as a document: teams and players with their scores, and the toss-up
// table (one row per cycle, as the buzz log shows it).
QString scoreSheetHtml(const MatchModel& match);
// Writes the score sheet as a PDF file; false when the file cannot be written.
bool writeScoreSheet(const MatchModel& match, const QString& pdfPath);
// Prints the score sheet on a printer the print dialog has set up; false when it failed.
bool printScoreSheet(const MatchModel& match, QPrinter& printer);

// "Print Score Sheet...": the print dialog when the system has a printer, otherwise a PDF
// file chosen in the save dialog. The sheet shows the match as it stands when the dialog
// closes; a sheet that cannot be made is told.
void printScoreSheetFlow(const MatchModel& match, ui::Platform& platform);

}  // namespace record
