#include "boards/ScoreBoard3.h"

#include <vector>

#include "boards/PromptTexts.h"
#include "boards/Prompts.h"
#include "engine/ScoreText.h"

namespace boards {
namespace {
const ui::Font kBannerFont{"Arial Black", 16, true};
const ui::Font kScoreFont{"Arial", 120, false};
}  // namespace

ScoreBoard3::ScoreBoard3(model::MatchSettings& settings, model::MatchState& state,
                         SetupMenuLink& menu, QuestionWindowLink& questions,
                         modulelink::ModuleExchange& modules, ui::Clock& clock,
                         ui::Platform& platform)
    : BoardWindow("Form1", engine::classicBoardPolicy(), settings, state, menu, modules, clock,
                  platform),
      Labelalpha(client(), "Alpha"),
      LabelBeta(client(), "Beta"),
      LabelGamma(client(), "Gamma"),
      ascorelabel(client(), "0"),
      bscorelabel(client(), "0"),
      gscorelabel(client(), "0"),
      cmdQuestion(client(), "View Question"),
      questions_(questions) {
    for (int position = 0; position < 3; ++position) {
        banner(position).setFont(kBannerFont);
        scoreLabel(position).setFont(kScoreFont);
        for (ui::Label* l : {&banner(position), &scoreLabel(position)}) {
            l->setAlignment(Qt::AlignCenter);
            l->setFitText(true);
        }
        banner(position).MouseDown = [this, position](int b) { banner_MouseDown(position, b); };
        scoreLabel(position).MouseDown = [this, position](int b) {
            scoreLabel_MouseDown(position, b);
        };
        promptOnMove(banner(position), TextLabel, prompt::kTeam);
        promptOnMove(scoreLabel(position), TextLabel, prompt::kScore);
    }
    cmdQuestion.setTakesFocus(false);
    cmdQuestion.setFont(fonts::button);
    cmdQuestion.Click = [this] { cmdQuestion_Click(); };

    place(Labelalpha, {56, 30, 300, 50});
    place(LabelBeta, {362, 30, 300, 50});
    place(LabelGamma, {668, 30, 300, 50});
    place(ascorelabel, {56, 84, 300, 170});
    place(bscorelabel, {362, 84, 300, 170});
    place(gscorelabel, {668, 84, 300, 170});
    place(Labelteam, {20, 268, 984, 96});
    place(NameLabel, {20, 366, 984, 116});
    place(cmdQuestion, {380, 598, 130, 36});
    showQuestionButton(settings_.computerGenerated);
    fillScreen();
}

// "Set-up Menu" sits beside "View Question", or alone in the middle as on the other boards.
void ScoreBoard3::showQuestionButton(bool on) {
    cmdQuestion.setVisible(on);
    constexpr QRect kBesideQuestion{518, 598, 130, 36};
    place(Commandsetupmenu, on ? kBesideQuestion : kSetupMenuAlone);
    Form_Resize();
}

ScoreBoard3::~ScoreBoard3() = default;

void ScoreBoard3::cmdQuestion_Click() {
    --state_.questionNumber;
    questions_.showQuestionWindow(*this);
}

// Read at the moment of the move: the question source may have changed since.
QString ScoreBoard3::timerPrompt() const {
    return settings_.computerGenerated ? prompt::kTimerWithQuestion : prompt::kTimer;
}

ui::Label& ScoreBoard3::banner(int position) const {
    auto* self = const_cast<ScoreBoard3*>(this);
    return position == 0 ? self->Labelalpha : position == 1 ? self->LabelBeta : self->LabelGamma;
}

ui::Label& ScoreBoard3::scoreLabel(int position) const {
    auto* self = const_cast<ScoreBoard3*>(this);
    return position == 0   ? self->ascorelabel
           : position == 1 ? self->bscorelabel
                           : self->gscorelabel;
}

void ScoreBoard3::repaintNow() {
    client()->repaint();
}

std::int16_t ScoreBoard3::positionSlot(int position) const {
    return position == 0 ? AlphaTeam : position == 1 ? BetaTeam : GammaTeam;
}

void ScoreBoard3::Form_Load() {
    assignTeams();
}

// The question source may have come from a set-up file read since the board was made.
void ScoreBoard3::Form_Activate() {
    showQuestionButton(settings_.computerGenerated);
    assignTeams();
    engine().showMatchTime();
}

void ScoreBoard3::copyScoresToMenu() {
    for (int position = 0; position < 3; ++position) {
        if (scoreLabel(position).visible()) {
            menu_.setScoreCaption(positionSlot(position), scoreLabel(position).caption());
        }
    }
}

// Team assignment: the enabled team slots fill the positions left to right; two teams
// take the left and right positions, one team the left alone.
void ScoreBoard3::assignTeams() {
    if (state_.modelNumber == 712) {
        state_.teamCount = 2;
    }
    const int teams = state_.teamCount;
    if (teams <= 0) {
        return;
    }
    std::vector<int> positions;
    int lastSlot = 7;
    if (teams >= 3) {
        positions = {0, 1, 2};
    } else if (teams == 2) {
        positions = {0, 2};
        LabelBeta.setVisible(false);
        bscorelabel.setVisible(false);
    } else {
        positions = {0};
        lastSlot = 9;
        for (int p : {1, 2}) {
            banner(p).setVisible(false);
            scoreLabel(p).setVisible(false);
        }
    }
    std::size_t taken = 0;
    for (int slot = 0; slot <= lastSlot && taken < positions.size(); ++slot) {
        if (!menu_.nameBoxEnabled(model::teamNameIndex(slot))) {
            continue;
        }
        const int position = positions[taken++];
        scoreLabel(position).setCaption(menu_.scoreCaption(slot));
        banner(position).setCaption(settings_.rosterText[model::teamNameIndex(slot)]);
        (position == 0   ? AlphaTeam
         : position == 1 ? BetaTeam
                         : GammaTeam) = static_cast<std::int16_t>(slot);
    }
}

void ScoreBoard3::scoreLabel_MouseDown(int position, int button) {
    ui::Label& label = scoreLabel(position);
    if (button == ui::kLeftButton) {
        label.setCaption(engine::changeScore(label.caption(), increment));
        state_.pointsAwarded = true;
    } else if (button == ui::kRightButton) {
        label.setCaption(engine::changeScore(label.caption(), -increment));
    } else {
        return;
    }
    menu_.setScoreCaption(positionSlot(position), label.caption());
    state_.events->scoresTouched(model::ScoreHow::Click);
}

void ScoreBoard3::banner_MouseDown(int position, int button) {
    ui::Label& b = banner(position);
    b.setBackColor(button == ui::kLeftButton && b.backColor() == ui::colors::buttonFace
                       ? ui::colors::orange
                       : ui::colors::buttonFace);
    ui::Label& s = scoreLabel(position);
    s.setBackColor(button == ui::kRightButton && s.backColor() == ui::colors::buttonFace
                       ? ui::colors::green
                       : ui::colors::buttonFace);
}

void ScoreBoard3::eraseScores() {
    for (int p = 0; p < 3; ++p) {
        scoreLabel(p).setCaption("0");
    }
}

}  // namespace boards
