#pragma once

#include <QStringList>

namespace test {

// The names (TLabel(10..19)) and scores (SLabel(0..9)) of a ten-row board, row by row.
template <typename RowBoard>
QStringList rowNames(const RowBoard& board) {
    QStringList names;
    for (int i = 10; i <= 19; ++i) {
        names << board.TLabel(i).caption();
    }
    return names;
}

template <typename RowBoard>
QStringList rowScores(const RowBoard& board) {
    QStringList scores;
    for (int i = 0; i <= 9; ++i) {
        scores << board.SLabel(i).caption();
    }
    return scores;
}

}  // namespace test
