#pragma once

#include <QStringList>
#include <vector>

#include "boards/BoardWindow.h"
#include "boards/RankedRows.h"

namespace boards {

// A board of ten ranked rows on the board window: the leader board (teams) and the
// cut-throat board (players). The rows are the engine's rows; a click on any row score
// changes every selected (green) one.
class RowBoard : public BoardWindow {
    Q_OBJECT
  public:
    ~RowBoard() override;

    ui::Label& L(int r) const { return rows_.L(r); }
    ui::Label& TLabel(int index) const { return rows_.TLabel(index); }
    ui::Label& SLabel(int index) const { return rows_.SLabel(index); }

    // Handlers; r is the row 1..10.
    virtual void L_MouseDown(int r, int button) = 0;
    void SLabel_MouseDown(int button);
    // Ranks the rows by score.
    virtual void Sort() = 0;

    // engine::BoardView
    int rowCount() const override { return RankedRows::kRows; }
    // A blank row stands for nobody: no name matches it, not even an empty one.
    QString rowCaption(int row) const override;
    void sortRows() override { Sort(); }
    // A restored match: the row of this name shows this score.
    void restoreScore(const QString& name, const QString& score);

  protected:
    // `rowsArea` is where the rows stand in the board's design.
    RowBoard(const QString& caption, const engine::BoardPolicy& policy,
             const QStringList& designNames, QRect rowsArea, model::MatchSettings& settings,
             model::MatchState& state, SetupMenuLink& menu, modulelink::ModuleExchange& modules,
             ui::Clock& clock, ui::Platform& platform);

    ui::Label& rowName(int row) const override { return rows_.name(row); }
    ui::Label& rowScore(int row) const override { return rows_.score(row); }
    // The rows whose scores a click just changed.
    virtual void rowScoresChanged(const std::vector<int>& rows) { (void)rows; }
    // Every row that shows a team or player gets "0"; blank rows stay blank.
    void eraseRowScores();

    RankedRows rows_;
};

}  // namespace boards
