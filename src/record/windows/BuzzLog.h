#pragma once

#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "record/MatchModel.h"

namespace record {

// "Buzz Log": one row per toss-up cycle (time, responder and team, reaction time from the
// arm, second responder and split, later presses with splits, points given), kept up to
// date while the match runs; "Copy" puts the table on the clipboard as tab-separated text.
class BuzzLog final : public QWidget {
  public:
    explicit BuzzLog(const MatchModel& match);

    QTableWidget& table() { return table_; }
    QPushButton& copyButton() { return copy_; }
    // The table as text, a line per row, the columns separated by tabs.
    QString text() const;

  private:
    void refresh();

    const MatchModel& match_;
    QTableWidget table_;
    QPushButton copy_;
};

// The table's column titles, and the texts of one cycle's row in their order.
const QStringList& buzzLogColumns();
QStringList cycleRow(const Cycle& cycle, int number);

}  // namespace record
