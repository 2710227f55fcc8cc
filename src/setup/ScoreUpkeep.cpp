#include "setup/ScoreUpkeep.h"

#include <algorithm>
#include <vector>

namespace setup {
namespace {
const QString kEraseQuestion =
    QStringLiteral("Caution, This will erase ALL scores. Would you like to contine?");
const QString kEraseTitle = QStringLiteral("Erase All Scores");

// What one team slot holds in the set-up menu.
struct SlotContent {
    std::array<QString, 6> rows;  // team name, players One to Five
    QString score;
};
}  // namespace

void eraseScores(ui::Platform& platform, MenuHost& host, boards::SetupMenuLink& menu) {
    if (platform.messageBox(kEraseQuestion, ui::MsgButtons::OKCancel, ui::MsgIcon::None,
                            kEraseTitle) == ui::MsgAnswer::Cancel) {
        return;
    }
    eraseAllScores(host, menu);
}

void eraseAllScores(MenuHost& host, boards::SetupMenuLink& menu) {
    host.board(model::BoardChoice::CutThroat).eraseScores();
    host.board(model::BoardChoice::Leader).eraseScores();
    for (int slot = 0; slot < model::kTeamSlots; ++slot) {
        menu.setScoreCaption(slot, QStringLiteral("0"));
    }
    host.board(model::BoardChoice::Classic).eraseScores();
}

void swapSides(const model::MatchState& state,
               const std::array<std::unique_ptr<ui::TextBox>, model::kRosterSize>& Text,
               boards::SetupMenuLink& menu) {
    const int lastSlot = state.modelNumber == 712 ? 1 : model::kTeamSlots - 1;
    std::vector<int> served;
    for (int slot = 0; slot <= lastSlot; ++slot) {
        if (state.teamModuleHandle[slot] != 0) {
            served.push_back(slot);
        }
    }
    std::vector<SlotContent> contents;
    for (int slot : served) {
        SlotContent content;
        for (int row = 0; row < 6; ++row) {
            content.rows[row] = Text[model::teamNameIndex(slot) + row]->text();
        }
        content.score = menu.scoreCaption(slot);
        contents.push_back(content);
    }
    if (contents.empty()) {
        return;
    }
    std::rotate(contents.begin(), contents.begin() + 1, contents.end());
    for (std::size_t i = 0; i < served.size(); ++i) {
        for (int row = 0; row < 6; ++row) {
            Text[model::teamNameIndex(served[i]) + row]->setText(contents[i].rows[row]);
        }
        menu.setScoreCaption(served[i], contents[i].score);
    }
}

}  // namespace setup
