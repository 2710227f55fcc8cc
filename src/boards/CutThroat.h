#pragma once

#include "boards/BoardWindow.h"
#include "boards/RankedRows.h"
#include "boards/ShowAll.h"

namespace boards {

// "Cut Throat": a match of individual players. The player list (ShowAll) holds every
// player and score; the board shows its top ten under "Top 10 Individuals" and the
// responder's own score in ScoreLabel.
class CutThroat final : public BoardWindow, private ShowAllHost {
    Q_OBJECT
  public:
    CutThroat(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
              modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform);
    ~CutThroat() override;

    ui::Label ScoreLabel;
    ui::CommandButton CommandShowAll;

    ui::Label& L(int r) const { return rows_.L(r); }
    ui::Label& TLabel(int index) const { return rows_.TLabel(index); }
    ui::Label& SLabel(int index) const { return rows_.SLabel(index); }
    ShowAll& showAll() { return showAll_; }

    // Handlers; r is the row 1..10.
    void ScoreLabel_MouseDown(int button);
    void L_MouseDown(int r, int button);
    void SLabel_MouseDown(int button);
    void CommandShowAll_Click() { showAll_.show(); }
    // Ranks the player list and shows its top ten; marks stay with their players.
    void Sort();

    // Board
    void hideBoard() override;
    void showFromSetupMenu() override;
    void setBoardTextColor(ui::Color color) override;
    void eraseScores() override;

    // engine::BoardView
    int rowCount() const override { return RankedRows::kRows; }
    void sortRows() override { Sort(); }
    void showResponderScore(const QString& playerName) override;
    void clearResponderScore() override;

  protected:
    void Form_Load() override { Option1.setValue(true); }
    void Form_Activate() override;
    ui::Label& rowName(int row) const override { return rows_.name(row); }
    ui::Label& rowScore(int row) const override { return rows_.score(row); }

  private:
    // "Hide Screen" on the list: the board comes to the front and ranks again.
    void returnToBoard() override { show(); }

    RankedRows rows_;
    ShowAll showAll_;
};

}  // namespace boards
