#pragma once

#include <memory>

#include "boards/CutThroat.h"
#include "boards/LeaderBoard.h"
#include "boards/QuestionWindowLink.h"
#include "boards/ScoreBoard3.h"

namespace boards {

// The three score boards of a run, each made the first time something needs it and then
// kept, shown and hidden, never rebuilt.
class BoardSet {
  public:
    BoardSet(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
             QuestionWindowLink& questions, modulelink::ModuleExchange& modules, ui::Clock& clock,
             ui::Platform& platform);
    ~BoardSet();

    BoardWindow& board(model::BoardChoice choice);
    // The board if it has been made, or none.
    Board* existing(model::BoardChoice choice) const;
    void hideAll();

    ScoreBoard3& classic() { return made(classic_, questions_); }
    LeaderBoard& leader() { return made(leader_); }
    CutThroat& cutThroat() { return made(cutThroat_); }
    // The boards made so far, or none.
    const ScoreBoard3* classicIfMade() const { return classic_.get(); }
    const LeaderBoard* leaderIfMade() const { return leader_.get(); }
    const CutThroat* cutThroatIfMade() const { return cutThroat_.get(); }

  private:
    // A board with what it alone needs (the classic board: the question window).
    template <typename BoardType, typename... Own>
    BoardType& made(std::unique_ptr<BoardType>& board, Own&... own) {
        if (!board) {
            board = std::make_unique<BoardType>(settings_, state_, menu_, own..., modules_, clock_,
                                                platform_);
        }
        return *board;
    }

    model::MatchSettings& settings_;
    model::MatchState& state_;
    SetupMenuLink& menu_;
    QuestionWindowLink& questions_;
    modulelink::ModuleExchange& modules_;
    ui::Clock& clock_;
    ui::Platform& platform_;
    std::unique_ptr<ScoreBoard3> classic_;
    std::unique_ptr<LeaderBoard> leader_;
    std::unique_ptr<CutThroat> cutThroat_;
};

}  // namespace boards
