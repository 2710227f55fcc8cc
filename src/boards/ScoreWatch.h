#pragma once

#include <QMap>
#include <QPair>

#include "boards/Board.h"
#include "model/MatchEvents.h"
#include "model/MatchState.h"

namespace boards {

class BoardSet;

// Finds the scores that changed since it last looked: the set-up menu's team scores (the
// classic board's), the leader board's rows and the all-players list, each with the name
// beside it. The boards say only that scores may have changed and how; this tells the
// record which ones, so no board carries a copy of the record's bookkeeping.
class ScoreWatch {
  public:
    ScoreWatch(const BoardSet& boards, const SetupMenuLink& menu,
               const model::MatchSettings& settings, model::MatchState& state);

    // Records every score that differs from the last look.
    void look(model::ScoreHow how);
    // Takes the scores as they stand, recording nothing (a new or restored match).
    void settle() { last_ = current(); }

  private:
    struct Entry {
        QString name;
        QString text;
        bool operator==(const Entry&) const = default;
    };
    using Scores = QMap<QPair<int, int>, Entry>;
    Scores current() const;

    const BoardSet& boards_;
    const SetupMenuLink& menu_;
    const model::MatchSettings& settings_;
    model::MatchState& state_;
    Scores last_;
};

}  // namespace boards
