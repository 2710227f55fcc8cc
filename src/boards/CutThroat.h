#pragma once

#include "boards/RowBoard.h"
#include "boards/ShowAll.h"

namespace boards {

// "Cut Throat": a match of individual players. The player list (ShowAll) holds every
// player and score; the board shows its top ten under "Top 10 Individuals" and the
// responder's own score in ScoreLabel.
class CutThroat final : public RowBoard, private ShowAllHost {
    Q_OBJECT
  public:
    CutThroat(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
              modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform);
    ~CutThroat() override;

    ui::Label ScoreLabel;
    ui::CommandButton CommandShowAll;

    ShowAll& showAll() { return showAll_; }
    const ShowAll& showAll() const { return showAll_; }

    // Handlers; r is the row 1..10.
    void ScoreLabel_MouseDown(int button);
    void L_MouseDown(int r, int button) override;
    void CommandShowAll_Click();
    // Ranks the player list and shows its top ten; marks stay with their players.
    void Sort() override;

    // Board
    void hideBoard() override;
    void showFromSetupMenu() override;
    void setBoardTextColor(ui::Color color) override;
    void eraseScores() override;

    // engine::BoardView
    void showResponderScore(const QString& playerName) override;
    void clearResponderScore() override;

  protected:
    void Form_Activate() override;
    // Row scoring is kept in the players' list rows, so the next ranking keeps it.
    void rowScoresChanged(const std::vector<int>& rows) override;

  private:
    // "Hide Screen" on the list: the board comes to the front and ranks again.
    void returnToBoard() override { show(); }

    ShowAll showAll_;
    // The list was shown over the board: coming back to the board leaves the match clock
    // as it stands, running or paused, as the question window does.
    bool listOverBoard_ = false;
    // The responder's players by name box, taken at the buzz: the name display may later
    // say "Time Out" or "Timer Expired", and the points must still reach the player.
    std::vector<int> responderBoxes_;
};

}  // namespace boards
