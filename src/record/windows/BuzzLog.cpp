#include "record/windows/BuzzLog.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QVBoxLayout>

#include "record/Exports.h"

namespace record {

namespace {

QString who(const Buzz& buzz) {
    return buzz.who.playerName.isEmpty()
               ? buzz.who.teamName
               : buzz.who.playerName + QStringLiteral(" (") + buzz.who.teamName + QLatin1Char(')');
}

QString ms(double value) {
    return QString::number(value, 'f', 1);
}
}  // namespace

const QStringList& buzzLogColumns() {
    static const QStringList columns{"#",          "Time",          "Responder",
                                     "Team",       "Reaction (ms)", "Second",
                                     "Split (ms)", "Later presses", "Points"};
    return columns;
}

QStringList cycleRow(const Cycle& cycle, int number) {
    QStringList later;
    for (const Buzz& buzz : cycle.later) {
        later << who(buzz) + QStringLiteral(" +") + ms(buzz.ms);
    }
    for (const Buzz& buzz : cycle.refused) {
        later << who(buzz) + QStringLiteral(" +") + ms(buzz.ms) + QStringLiteral(" refused");
    }
    QStringList points;
    for (const Points& p : cycle.points) {
        points << (p.change.name + QLatin1Char(' ') +
                   (p.delta >= 0 ? QStringLiteral("+") : QString()) + QString::number(p.delta));
    }
    const QString time =
        wallText(cycle.wall).mid(11) + (cycle.partial ? QStringLiteral(" re-arm") : QString());
    return {QString::number(number),
            time,
            cycle.responder ? cycle.responder->who.playerName : QString(),
            cycle.responder ? cycle.responder->who.teamName : QString(),
            cycle.responder ? ms(cycle.responder->ms) : QString(),
            cycle.second
                ? who(*cycle.second) + (cycle.handedOver ? QStringLiteral(", answered") : QString())
                : QString(),
            cycle.second ? ms(cycle.second->ms) : QString(),
            later.join(QStringLiteral("; ")),
            points.join(QStringLiteral("; "))};
}

BuzzLog::BuzzLog(const MatchModel& match) : match_(match), copy_(QStringLiteral("Copy")) {
    setWindowTitle(QStringLiteral("Buzz Log"));
    table_.setColumnCount(static_cast<int>(buzzLogColumns().size()));
    table_.setHorizontalHeaderLabels(buzzLogColumns());
    table_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_.verticalHeader()->setVisible(false);
    table_.horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&table_);
    layout->addWidget(&copy_, 0, Qt::AlignRight);
    connect(&copy_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text()); });
    connect(&match_, &MatchModel::changed, this, &BuzzLog::refresh);
    resize(900, 400);
    refresh();
}

void BuzzLog::refresh() {
    const QVector<Cycle>& cycles = match_.cycles();
    table_.setRowCount(static_cast<int>(cycles.size()));
    for (int r = 0; r < cycles.size(); ++r) {
        const QStringList row = cycleRow(cycles[r], r + 1);
        for (int c = 0; c < row.size(); ++c) {
            auto* item = table_.item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                table_.setItem(r, c, item);
            }
            item->setText(row[c]);
        }
    }
    table_.resizeColumnsToContents();
    if (!cycles.isEmpty()) {
        table_.scrollToBottom();
    }
}

QString BuzzLog::text() const {
    QStringList lines{buzzLogColumns().join(QLatin1Char('\t'))};
    for (int r = 0; r < match_.cycles().size(); ++r) {
        lines << cycleRow(match_.cycles()[r], r + 1).join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace record
