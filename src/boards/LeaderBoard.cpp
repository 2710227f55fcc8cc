#include "boards/LeaderBoard.h"

#include <vector>

#include "boards/PromptTexts.h"
#include "boards/Prompts.h"

namespace boards {
namespace {
const QStringList kDesignNames = {"Team One", "Team Two",   "Team Three", "Team Four", "Team Five",
                                  "Team Six", "Team Seven", "Team Eight", "Team Nine", " TeamTen"};
const ui::Font kTeamFont{"Arial Black", 44, false};
const ui::Font kResponderFont{"Arial Black", 60, false};
}  // namespace

LeaderBoard::LeaderBoard(model::MatchSettings& settings, model::MatchState& state,
                         SetupMenuLink& menu, modulelink::ModuleExchange& modules, ui::Clock& clock,
                         ui::Platform& platform)
    : RowBoard("LeaderBoard Scoreboard", engine::leaderBoardPolicy(), kDesignNames,
               {16, 14, 992, 300}, settings, state, menu, modules, clock, platform) {
    Labelteam.setFont(kTeamFont);
    NameLabel.setFont(kResponderFont);
    place(Labelteam, {20, 318, 984, 70});
    place(NameLabel, {20, 390, 984, 94});
    for (int r = 1; r <= RankedRows::kRows; ++r) {
        promptOnMove(L(r), TextLabel, prompt::kTeam);
        promptOnMove(SLabel(r - 1), TextLabel, prompt::kScore);
    }
    fillScreen();
}

LeaderBoard::~LeaderBoard() = default;

void LeaderBoard::Form_Activate() {
    engine().showMatchTime();
    showServedTeams();
}

void LeaderBoard::showServedTeams() {
    std::vector<int> served;
    for (int slot = 0; slot < model::kTeamSlots; ++slot) {
        if (menu_.nameBoxEnabled(model::teamNameIndex(slot))) {
            served.push_back(slot);
        }
    }
    rows_.showMembers(
        served, [this](int slot) { return settings_.rosterText[model::teamNameIndex(slot)]; }, "0");
}

// Row marks: a left click makes a plain or red (responding) team ineligible, or an
// ineligible one plain again; a right click selects the row's score for scoring.
void LeaderBoard::L_MouseDown(int r, int button) {
    if (rows_.blank(r - 1)) {
        return;  // nobody to mark
    }
    ui::Label& name = rows_.name(r - 1);
    const ui::Color c = name.backColor();
    name.setBackColor(button == ui::kLeftButton &&
                              (c == ui::colors::red || c == ui::colors::buttonFace)
                          ? ui::colors::orange
                          : ui::colors::buttonFace);
    ui::Label& score = rows_.score(r - 1);
    score.setBackColor(button == ui::kRightButton && score.backColor() == ui::colors::buttonFace
                           ? ui::colors::green
                           : ui::colors::buttonFace);
}

}  // namespace boards
