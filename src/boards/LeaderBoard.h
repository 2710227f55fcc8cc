#pragma once

#include "boards/RowBoard.h"

namespace boards {

// "LeaderBoard Scoreboard": up to ten teams in ranked rows, re-ranked by score whenever
// the operator clears the board for the next question. Each row stands for one served
// team slot; its scores live only on this board.
class LeaderBoard final : public RowBoard {
    Q_OBJECT
  public:
    LeaderBoard(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
                modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform);
    ~LeaderBoard() override;

    // The team slot shown in row r (1..10), -1 for a blank row.
    int rowSlot(int r) const { return rows_.member(r - 1); }

    void L_MouseDown(int r, int button) override;
    void Sort() override {
        rows_.Sort();
        state_.events->scoresTouched(model::ScoreHow::Sort);
    }

    // Board
    void eraseScores() override { eraseRowScores(); }

  protected:
    void Form_Load() override { showServedTeams(); }
    void Form_Activate() override;

  private:
    // The served team slots fill the rows in slot order; a team keeps its row, score and
    // marks while it stays served, and its name follows the set-up menu.
    void showServedTeams();
};

}  // namespace boards
