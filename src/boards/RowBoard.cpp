#include "boards/RowBoard.h"

namespace boards {

RowBoard::RowBoard(const QString& caption, const engine::BoardPolicy& policy,
                   const QStringList& designNames, QRect rowsArea, model::MatchSettings& settings,
                   model::MatchState& state, SetupMenuLink& menu,
                   modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform)
    : BoardWindow(caption, policy, settings, state, menu, modules, clock, platform),
      rows_(client(), designNames) {
    rows_.numberMouseDown = [this](int row, int button) { L_MouseDown(row + 1, button); };
    rows_.scoreMouseDown = [this](int, int button) { SLabel_MouseDown(button); };
    rows_.placeIn(layout(), rowsArea);
    place(Commandsetupmenu, kSetupMenuAlone);
}

RowBoard::~RowBoard() = default;

QString RowBoard::rowCaption(int row) const {
    // Names are single lines, so a line break is a caption no team or player has.
    return rows_.blank(row) ? QStringLiteral("\n") : rows_.name(row).caption();
}

void RowBoard::SLabel_MouseDown(int button) {
    if (button != ui::kLeftButton && button != ui::kRightButton) {
        return;
    }
    const bool adds = button == ui::kLeftButton;
    const std::vector<int> changed = rows_.changeGreenScores(adds ? increment : -increment);
    if (adds && !changed.empty()) {
        state_.pointsAwarded = true;
    }
    rowScoresChanged(changed);
    state_.events->scoresTouched(model::ScoreHow::Click);
}

void RowBoard::restoreScore(const QString& name, const QString& score) {
    for (int row = 0; row < RankedRows::kRows; ++row) {
        if (rowCaption(row) == name) {
            rows_.score(row).setCaption(score);
        }
    }
}

void RowBoard::eraseRowScores() {
    for (int row = 0; row < RankedRows::kRows; ++row) {
        if (!rows_.blank(row)) {
            rows_.score(row).setCaption("0");
        }
    }
}

}  // namespace boards
