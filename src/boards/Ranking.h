#pragma once

#include <QString>
#include <vector>

namespace boards {

// The rows a ranking reorders: each has a score text and whatever else travels with it
// (name, who the row stands for, marks).
class RankedList {
  public:
    virtual ~RankedList() = default;
    virtual int rankedCount() const = 0;
    virtual QString scoreAt(int row) const = 0;
    virtual void setScoreAt(int row, const QString& text) = 0;
    // Exchanges everything but the scores of two neighbouring rows.
    virtual void exchangeOthers(int upper, int lower) = 0;
};

// Ranks the rows by score, highest first, with a bubble sort that never exchanges equal
// scores, so ties keep their order. An empty or unreadable score counts as 0. At each
// exchange the upper row takes the lower row's score text as it stands and the lower row
// takes the upper row's value written plain ("5", "-3").
void rankByScore(RankedList& rows);

// Where each row's content comes from when the members a list shows change: rows whose
// member stays keep their order, members new to the rows follow in the order given, and
// the remaining rows are blank.
struct RowSource {
    int member = -1;   // -1: a blank row
    int fromRow = -1;  // the row it held before; -1 for a new member or a blank row
    bool operator==(const RowSource&) const = default;
};
std::vector<RowSource> regroupRows(const std::vector<int>& rowMembers,
                                   const std::vector<int>& members);

// True when the rows hold exactly these members (in any order) and nothing else.
bool holdsExactly(const std::vector<int>& rowMembers, const std::vector<int>& members);

}  // namespace boards
