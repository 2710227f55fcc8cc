#pragma once

#include "boards/BoardWindow.h"
#include "boards/RankedRows.h"

namespace boards {

// "LeaderBoard Scoreboard": up to ten teams in ranked rows, re-ranked by score whenever
// the operator clears the board for the next question. Each row stands for one served
// team slot; its scores live only on this board.
class LeaderBoard final : public BoardWindow {
    Q_OBJECT
  public:
    LeaderBoard(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
                modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform);
    ~LeaderBoard() override;

    ui::Label& L(int r) const { return rows_.L(r); }
    ui::Label& TLabel(int index) const { return rows_.TLabel(index); }
    ui::Label& SLabel(int index) const { return rows_.SLabel(index); }
    // The team slot shown in row r (1..10), -1 for a blank row.
    int rowSlot(int r) const { return rows_.member(r - 1); }

    // Handlers; r is the row 1..10.
    void L_MouseDown(int r, int button);
    void SLabel_MouseDown(int button);
    void Sort() { rows_.Sort(); }

    // Board
    void eraseScores() override;

    // engine::BoardView
    int rowCount() const override { return RankedRows::kRows; }
    void sortRows() override { Sort(); }

  protected:
    void Form_Load() override { showServedTeams(); }
    void Form_Activate() override;
    ui::Label& rowName(int row) const override { return rows_.name(row); }
    ui::Label& rowScore(int row) const override { return rows_.score(row); }

  private:
    // The served team slots fill the rows in slot order; a team keeps its row, score and
    // marks while it stays served, and its name follows the set-up menu.
    void showServedTeams();

    RankedRows rows_;
};

}  // namespace boards
