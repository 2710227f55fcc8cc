#include "boards/Ranking.h"

#include <algorithm>

#include "engine/ScoreText.h"

namespace boards {

void rankByScore(RankedList& rows) {
    const int n = rows.rankedCount();
    for (int pass = 0; pass < n; ++pass) {
        for (int j = 0; j + 1 < n - pass; ++j) {
            const QString upper = rows.scoreAt(j);
            const QString lower = rows.scoreAt(j + 1);
            if (engine::readScore(upper) >= engine::readScore(lower)) {
                continue;
            }
            rows.setScoreAt(j, lower);
            rows.setScoreAt(j + 1, engine::plainScore(upper));
            rows.exchangeOthers(j, j + 1);
        }
    }
}

namespace {
bool contains(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}
}  // namespace

std::vector<RowSource> regroupRows(const std::vector<int>& rowMembers,
                                   const std::vector<int>& members) {
    std::vector<RowSource> rows;
    for (int row = 0; row < static_cast<int>(rowMembers.size()); ++row) {
        const int member = rowMembers[row];
        if (member >= 0 && contains(members, member)) {
            rows.push_back({member, row});
        }
    }
    for (int member : members) {
        if (!contains(rowMembers, member) && rows.size() < rowMembers.size()) {
            rows.push_back({member, -1});
        }
    }
    rows.resize(rowMembers.size());
    return rows;
}

bool holdsExactly(const std::vector<int>& rowMembers, const std::vector<int>& members) {
    int held = 0;
    for (int member : rowMembers) {
        if (member >= 0) {
            if (!contains(members, member)) {
                return false;
            }
            ++held;
        }
    }
    return held == static_cast<int>(members.size());
}

}  // namespace boards
