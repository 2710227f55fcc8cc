#pragma once

#include <array>
#include <memory>
#include <vector>

#include "boards/Board.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ScaledLayout.h"
#include "ui/TextBox.h"

namespace boards {

// Where "Hide Screen" goes back to.
class ShowAllHost {
  public:
    virtual ~ShowAllHost() = default;
    virtual void returnToBoard() = 0;
};

// "Cut Throat Showing All Players": every player of an individual match with a score the
// operator can correct by typing. The list is where the players' scores live; the
// cut-throat board shows its top ten and stores the responder's score here.
class ShowAll final : public ui::Form {
    Q_OBJECT
  public:
    static constexpr int kRows = 50;

    ShowAll(const model::MatchSettings& settings, model::MatchState& state,
            const SetupMenuLink& menu, ShowAllHost& host);
    ~ShowAll() override;

    // Rows 0..24 down the left column, 25..49 down the right.
    std::array<std::unique_ptr<ui::Label>, kRows> Label1, NameLabel;
    std::array<std::unique_ptr<ui::TextBox>, kRows> ScoreText;
    // The set-up menu's name box of each row's player; -1 for a row not in use.
    std::array<int, kRows> PositionText{};
    ui::CommandButton CommandSort, CommandHide;
    ui::Label TextLabel;

    // The players are in rows 0 .. playerCount() - 1.
    int playerCount() const { return count_; }

    // Brings the list up to date with the set-up menu: a player takes part while the name
    // box is enabled (a module serves the team) and holds a name. Players keep their rows
    // and scores; new players join at the end with 0 (or the score they had when they
    // left); rows past the players are blank.
    void refresh();
    // Ranks the players by score, ties in their order; every score is tidied first.
    void Sort();
    void CommandHide_Click();

    // Rows in use whose player has this name; the row of the player of a name box (-1).
    std::vector<int> rowsNamed(const QString& name) const;
    int rowOfBox(int box) const;
    void setScore(int row, const QString& text) { ScoreText.at(row)->setText(text); }
    // A restored match: every row of this name shows this score.
    void restoreScore(const QString& name, const QString& text) {
        for (int row : rowsNamed(name)) {
            setScore(row, text);
        }
    }
    void eraseScores();

  protected:
    void Form_Load() override { refresh(); }
    void Form_Activate() override { refresh(); }
    void Form_Resize() override { layout_.apply(client()->size()); }
    // Closing the list is "Hide Screen": back to the board, which ranks again.
    void Form_Close() override { CommandHide_Click(); }

  private:
    std::vector<int> playerBoxes() const;
    void layOut();

    const model::MatchSettings& settings_;
    model::MatchState& state_;
    const SetupMenuLink& menu_;
    ShowAllHost& host_;
    ui::ScaledLayout layout_;
    int count_ = 0;
    // The score a player had when the name box left the list, by name box.
    std::array<QString, model::kRosterSize> formerScore_;
};

}  // namespace boards
