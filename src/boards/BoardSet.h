#pragma once

#include <memory>

#include "boards/CutThroat.h"
#include "boards/LeaderBoard.h"
#include "boards/ScoreBoard3.h"

namespace boards {

// The three score boards of a run, each made the first time something needs it and then
// kept, shown and hidden, never rebuilt.
class BoardSet {
  public:
    BoardSet(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
             modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform);
    ~BoardSet();

    BoardWindow& board(model::BoardChoice choice);
    // The board if it has been made, or none.
    Board* existing(model::BoardChoice choice) const;
    void hideAll();

    ScoreBoard3& classic() { return made(classic_); }
    LeaderBoard& leader() { return made(leader_); }
    CutThroat& cutThroat() { return made(cutThroat_); }

  private:
    template <typename BoardType>
    BoardType& made(std::unique_ptr<BoardType>& board) {
        if (!board) {
            board =
                std::make_unique<BoardType>(settings_, state_, menu_, modules_, clock_, platform_);
        }
        return *board;
    }

    model::MatchSettings& settings_;
    model::MatchState& state_;
    SetupMenuLink& menu_;
    modulelink::ModuleExchange& modules_;
    ui::Clock& clock_;
    ui::Platform& platform_;
    std::unique_ptr<ScoreBoard3> classic_;
    std::unique_ptr<LeaderBoard> leader_;
    std::unique_ptr<CutThroat> cutThroat_;
};

}  // namespace boards
