#include "record/windows/ScoreSheet.h"

#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

#include "record/Exports.h"
#include "record/windows/BuzzLog.h"

namespace record {

QString scoreSheetHtml(const MatchModel& match) {
    QString html = QStringLiteral("<h2>Score sheet</h2><p>Match of %1</p>")
                       .arg(wallText(match.startedAt()).toHtmlEscaped());
    html += QStringLiteral(
        "<table border='1' cellpadding='4' cellspacing='0'>"
        "<tr><th>Team</th><th>Score</th><th>Players</th></tr>");
    for (const Team& team : match.teams()) {
        QStringList players;
        for (const QString& player : team.players) {
            if (!player.trimmed().isEmpty()) {
                players << QStringLiteral("%1 (%2)").arg(player.toHtmlEscaped(),
                                                         match.playerScore(player).trimmed());
            }
        }
        html += QStringLiteral("<tr><td>%1</td><td align='right'>%2</td><td>%3</td></tr>")
                    .arg(team.name.toHtmlEscaped(), match.teamScore(team).trimmed().toHtmlEscaped(),
                         players.join(QStringLiteral(", ")));
    }
    html += QStringLiteral(
        "</table><h3>Toss-ups</h3>"
        "<table border='1' cellpadding='3' cellspacing='0'><tr>");
    for (const QString& column : buzzLogColumns()) {
        html += QStringLiteral("<th>%1</th>").arg(column);
    }
    html += QStringLiteral("</tr>");
    for (int r = 0; r < match.cycles().size(); ++r) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : cycleRow(match.cycles()[r], r + 1)) {
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

namespace {
const QString kTitle = QStringLiteral("Print Score Sheet");

void printOn(const MatchModel& match, QPagedPaintDevice& device) {
    QTextDocument document;
    document.setHtml(scoreSheetHtml(match));
    document.print(&device);
}
}  // namespace

bool writeScoreSheet(const MatchModel& match, const QString& pdfPath) {
    QFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QPdfWriter pdf(&file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle(QStringLiteral("Score sheet"));
    printOn(match, pdf);
    file.close();
    return file.error() == QFile::NoError;
}

bool printScoreSheet(const MatchModel& match, QPrinter& printer) {
    printer.setDocName(QStringLiteral("Score sheet"));
    printOn(match, printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

void printScoreSheetFlow(const MatchModel& match, ui::Platform& platform) {
    if (platform.printerNames().isEmpty()) {
        const std::optional<QString> chosen = platform.saveFileDialog(
            {kTitle, QStringLiteral("PDF Files|*.pdf"), platform.writableFolder(),
             QStringLiteral("score-sheet.pdf"), QStringLiteral(".pdf")});
        if (chosen && !writeScoreSheet(match, *chosen)) {
            platform.messageBox(
                QStringLiteral("The score sheet could not be written to %1.").arg(*chosen),
                ui::MsgButtons::OK, ui::MsgIcon::Warning, kTitle);
        }
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (platform.printDialog(printer, kTitle) && !printScoreSheet(match, printer)) {
        const QString where =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        platform.messageBox(
            QStringLiteral("The score sheet could not be printed on %1.").arg(where),
            ui::MsgButtons::OK, ui::MsgIcon::Warning, kTitle);
    }
}

}  // namespace record
