#include "boards/CutThroat.h"

#include <map>
#include <utility>

#include "boards/PromptTexts.h"
#include "boards/Prompts.h"
#include "engine/ScoreText.h"

namespace boards {
namespace {
const ui::Font kHeadingFont{"Arial Black", 34, false};
const ui::Font kNameFont{"Arial Black", 64, false};
const ui::Font kScoreFont{"Arial Black", 80, false};
}  // namespace

CutThroat::CutThroat(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
                     modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform)
    : RowBoard("Cut Throat", engine::cutThroatBoardPolicy(), {}, {16, 66, 992, 280}, settings,
               state, menu, modules, clock, platform),
      ScoreLabel(client(), ""),
      CommandShowAll(client(), "Show/Edit All Scores"),
      showAll_(settings, state, menu, *this) {
    // The board starts with steps of 1 when it is made; a set-up file read afterwards sets
    // the step it keeps.
    Option1.setValue(true);
    Labelteam.setCaption("Top 10 Individuals");
    Labelteam.setFont(kHeadingFont);
    NameLabel.setFont(kNameFont);
    ScoreLabel.setFont(kScoreFont);
    ScoreLabel.setAlignment(Qt::AlignCenter);
    ScoreLabel.setFitText(true);
    CommandShowAll.setTakesFocus(false);
    CommandShowAll.setFont(fonts::button);
    for (int row = 0; row < RankedRows::kRows; ++row) {
        rows_.blankRow(row);
    }
    ScoreLabel.MouseDown = [this](int button) { ScoreLabel_MouseDown(button); };
    CommandShowAll.Click = [this] { CommandShowAll_Click(); };
    promptOnMove(ScoreLabel, TextLabel, prompt::kCutThroatScore);
    promptOnMove(CommandShowAll, TextLabel, prompt::kShowAllButton);

    place(Labelteam, {20, 6, 984, 56});
    place(NameLabel, {20, 354, 764, 128});
    place(ScoreLabel, {792, 354, 212, 128});
    place(CommandShowAll, {380, 642, 268, 36});
    fillScreen();
}

CutThroat::~CutThroat() = default;

void CutThroat::Form_Activate() {
    if (!listOverBoard_) {
        engine().showMatchTime();
    }
    listOverBoard_ = false;
    Sort();
    showAll_.hide();
}

void CutThroat::Sort() {
    std::map<int, std::pair<ui::Color, ui::Color>> marks;
    for (int row = 0; row < RankedRows::kRows; ++row) {
        if (!rows_.blank(row)) {
            marks[rows_.member(row)] = {rows_.name(row).backColor(), rows_.score(row).backColor()};
        }
    }
    showAll_.Sort();
    for (int row = 0; row < RankedRows::kRows; ++row) {
        if (row >= showAll_.playerCount()) {
            rows_.blankRow(row);
            continue;
        }
        const int box = showAll_.PositionText[row];
        rows_.setRow(row, box, showAll_.NameLabel[row]->caption(), showAll_.ScoreText[row]->text());
        const auto mark = marks.find(box);
        const bool marked = mark != marks.end();
        rows_.name(row).setBackColor(marked ? mark->second.first : ui::colors::buttonFace);
        rows_.score(row).setBackColor(marked ? mark->second.second : ui::colors::buttonFace);
    }
    state_.events->scoresTouched(model::ScoreHow::Sort);
}

void CutThroat::CommandShowAll_Click() {
    listOverBoard_ = true;
    showAll_.show();
}

// The responder's score, stored in every list row of that name.
void CutThroat::ScoreLabel_MouseDown(int button) {
    if (button == ui::kLeftButton) {
        ScoreLabel.setCaption(engine::changeScore(ScoreLabel.caption(), increment));
        state_.pointsAwarded = true;
    } else if (button == ui::kRightButton) {
        ScoreLabel.setCaption(engine::changeScore(ScoreLabel.caption(), -increment));
    } else {
        return;
    }
    for (int box : responderBoxes_) {
        const int row = showAll_.rowOfBox(box);
        if (row >= 0) {
            showAll_.setScore(row, ScoreLabel.caption());
        }
    }
    state_.events->scoresTouched(model::ScoreHow::Click);
}

// A left click selects the row's score for scoring, a right click deselects it.
void CutThroat::L_MouseDown(int r, int button) {
    if (rows_.blank(r - 1) || (button != ui::kLeftButton && button != ui::kRightButton)) {
        return;
    }
    rows_.score(r - 1).setBackColor(button == ui::kLeftButton ? ui::colors::green
                                                              : ui::colors::buttonFace);
}

void CutThroat::rowScoresChanged(const std::vector<int>& rows) {
    for (int row : rows) {
        const int listRow = showAll_.rowOfBox(rows_.member(row));
        if (listRow >= 0) {
            showAll_.setScore(listRow, rows_.score(row).caption());
        }
    }
}

void CutThroat::showResponderScore(const QString& playerName) {
    responderBoxes_.clear();
    for (int row : showAll_.rowsNamed(playerName)) {
        responderBoxes_.push_back(showAll_.PositionText[row]);
        ScoreLabel.setCaption(engine::tidyScore(showAll_.ScoreText[row]->text()));
        ScoreLabel.setBackColor(ui::colors::green);
    }
}

void CutThroat::clearResponderScore() {
    responderBoxes_.clear();
    ScoreLabel.setCaption({});
    ScoreLabel.setBackColor(ui::colors::buttonFace);
}

void CutThroat::hideBoard() {
    BoardWindow::hideBoard();
    showAll_.hide();
}

// The list is shown, ranked and put away again, and the board comes back in front.
void CutThroat::showFromSetupMenu() {
    show();
    showAll_.show();
    showAll_.Sort();
    showAll_.hide();
    show();
}

void CutThroat::setBoardTextColor(ui::Color color) {
    BoardWindow::setBoardTextColor(color);
    ScoreLabel.setForeColor(color);
}

void CutThroat::eraseScores() {
    showAll_.eraseScores();
    eraseRowScores();
}

}  // namespace boards
