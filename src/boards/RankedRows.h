#pragma once

#include <QRect>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "ui/Label.h"
#include "ui/ScaledLayout.h"

namespace boards {

// Ten ranked rows in two columns of five, each a row number (L1..L10), a name
// (TLabel(10)..TLabel(19)) and a score (SLabel(0)..SLabel(9)). Each row stands for one
// member (a team slot, a player) or for nobody; a row for nobody is blank. Marks are the
// background colours of a row's name and score, and travel with the row's member when the
// rows are ranked.
class RankedRows {
  public:
    static constexpr int kRows = 10;

    RankedRows(QWidget* parent, const QStringList& designNames);
    ~RankedRows();

    ui::Label& L(int r) const { return *numbers_.at(r - 1); }              // r 1..10
    ui::Label& TLabel(int index) const { return *names_.at(index - 10); }  // 10..19
    ui::Label& SLabel(int index) const { return *scores_.at(index); }      // 0..9
    ui::Label& name(int row) const { return *names_.at(row); }             // row 0..9
    ui::Label& score(int row) const { return *scores_.at(row); }

    // Places the rows: rows 1 to 5 down the left half of `area`, 6 to 10 down the right.
    void placeIn(ui::ScaledLayout& layout, QRect area);

    int member(int row) const { return members_.at(row); }
    std::vector<int> members() const { return {members_.begin(), members_.end()}; }
    bool blank(int row) const { return members_.at(row) < 0; }
    // Shows a member in a row, or blanks the row (member -1): no name, no score, no marks.
    void setRow(int row, int member, const QString& name, const QString& score);
    void blankRow(int row) { setRow(row, -1, {}, {}); }

    // Shows these members (in this order for the new ones), keeping the rows, scores and
    // marks of members already shown; `nameOf` and `newScore` give a new member's name and
    // score. Nothing moves while the members stay the same.
    void showMembers(const std::vector<int>& members, const std::function<QString(int)>& nameOf,
                     const QString& newScore);

    // Ranks the rows by score, highest first, ties in their order; blank rows stay blank.
    void Sort();

    // Adds `delta` to the score of every green row that shows a member; the rows changed.
    std::vector<int> changeGreenScores(int delta);

    // Click targets; the row is 0-based.
    std::function<void(int row, int button)> numberMouseDown;
    std::function<void(int row, int button)> scoreMouseDown;

  private:
    struct Row {
        int member;
        QString name, score;
        ui::Color nameColor, scoreColor;
    };
    Row row(int r) const;
    void put(int r, const Row& content);

    std::array<std::unique_ptr<ui::Label>, kRows> numbers_, names_, scores_;
    std::array<int, kRows> members_{};
};

}  // namespace boards
