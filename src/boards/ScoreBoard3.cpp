#include "boards/ScoreBoard3.h"

#include <QGuiApplication>
#include <QScreen>

#include "engine/ScoreText.h"
#include "model/LeadingNumber.h"

namespace boards {
namespace {
const ui::Font kBannerFont{"Arial Black", 16, true};
const ui::Font kScoreFont{"Arial", 120, false};
const ui::Font kNameFont{"Arial Black", 76, false};
const ui::Font kTeamFont{"Arial Black", 64, false};
const ui::Font kTimerFont{"Arial", 72, false};
const ui::Font kTimerStateFont{"Arial Black", 24, false};
const ui::Font kCaptionFont{"Arial", 14, false};
const ui::Font kButtonFont{"Arial", 12, true};
}  // namespace

ScoreBoard3::ScoreBoard3(model::MatchSettings& settings, model::MatchState& state,
                         SetupMenuLink& menu, modulelink::ModuleExchange& modules, ui::Clock& clock,
                         ui::Platform& platform)
    : ui::Form("Form1"),
      Labelalpha(client(), "Alpha"),
      LabelBeta(client(), "Beta"),
      LabelGamma(client(), "Gamma"),
      ascorelabel(client(), "0"),
      bscorelabel(client(), "0"),
      gscorelabel(client(), "0"),
      Labelteam(client(), ""),
      NameLabel(client(), "Quorvantix"),
      Label2(client(), "Response Timer"),
      Label3(client(), "Match Timer"),
      timerlabel(client(), "0"),
      Labeltimerstate(client(), ""),
      clocklabel(client(), "15:00"),
      Label6(client(), ""),
      TextLabel(client(), ""),
      Option1(client(), "1"),
      Option5(client(), "5"),
      Option10(client(), "10"),
      CommandT(client(), "Toss-up"),
      CommandA(client(), "Aux."),
      CommandB(client(), "Bonus"),
      Command20(client(), "20"),
      cmdQuestion(client(), "View Question"),
      Commandsetupmenu(client(), "Set-up Menu"),
      settings_(settings),
      state_(state),
      menu_(menu),
      layout_(QSize(1024, 768)),
      engine_(engine::classicBoardPolicy(), *this, modules, settings, state, clock, platform) {
    for (ui::Label* l : {&Labelalpha, &LabelBeta, &LabelGamma}) {
        l->setFont(kBannerFont);
    }
    for (ui::Label* l : {&ascorelabel, &bscorelabel, &gscorelabel}) {
        l->setFont(kScoreFont);
    }
    NameLabel.setFont(kNameFont);
    NameLabel.setForeColor(ui::colors::darkRed);
    Labelteam.setFont(kTeamFont);
    timerlabel.setFont(kTimerFont);
    clocklabel.setFont(kTimerFont);
    Labeltimerstate.setFont(kTimerStateFont);
    Label2.setFont(kCaptionFont);
    Label3.setFont(kCaptionFont);
    Label2.setForeColor(ui::colors::white);
    Label3.setForeColor(ui::colors::white);
    for (ui::Label* l :
         {&Labelalpha, &LabelBeta, &LabelGamma, &ascorelabel, &bscorelabel, &gscorelabel,
          &Labelteam, &NameLabel, &timerlabel, &clocklabel, &Labeltimerstate, &Label2, &Label3}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFitText(true);
    }
    // Buttons never take the focus: the space bar belongs to the board.
    for (ui::CommandButton* b :
         {&CommandT, &CommandA, &CommandB, &Command20, &cmdQuestion, &Commandsetupmenu}) {
        b->setTakesFocus(false);
        b->setFont(kButtonFont);
    }
    for (ui::OptionButton* o : {&Option1, &Option5, &Option10}) {
        o->radio()->setFocusPolicy(Qt::NoFocus);
        o->radio()->setAutoFillBackground(true);
        o->setFont(kButtonFont);
    }
    // The prompt line and the diagnostic code sit on the board's background.
    for (ui::Label* l : {&TextLabel, &Label6}) {
        l->setTransparent(true);
        l->setForeColor(ui::colors::white);
    }
    TextLabel.setFont(kCaptionFont);
    // The timer tabs and the 20-second tab show only when the options turn them on.
    for (ui::CommandButton* b : {&CommandT, &CommandA, &CommandB, &Command20}) {
        b->setVisible(false);
    }
    cmdQuestion.setVisible(false);

    Option1.Click = [this] { increment = 1; };
    Option5.Click = [this] { increment = 5; };
    Option10.Click = [this] { increment = 10; };
    for (int position = 0; position < 3; ++position) {
        banner(position).MouseDown = [this, position](int b) { banner_MouseDown(position, b); };
        scoreLabel(position).MouseDown = [this, position](int b) {
            scoreLabel_MouseDown(position, b);
        };
    }
    Commandsetupmenu.Click = [this] { Commandsetupmenu_Click(); };
    NameLabel.MouseDown = [this](int b) { engine_.NameLabel_MouseDown(b); };
    timerlabel.MouseDown = [this](int b) { engine_.timerlabel_MouseDown(b); };
    clocklabel.MouseDown = [this](int) { engine_.clocklabel_Click(); };
    CommandT.Click = [this] { engine_.CommandT_Click(); };
    CommandA.Click = [this] { engine_.CommandA_Click(); };
    CommandB.Click = [this] { engine_.CommandB_Click(); };
    Command20.Click = [this] { engine_.Command20_Click(); };
    layOut();
    setBoardBackColor(settings_.boardBackColor);
    setBoardTextColor(settings_.boardTextColor);
}

ScoreBoard3::~ScoreBoard3() = default;

void ScoreBoard3::layOut() {
    layout_.place(Labelalpha, {56, 30, 300, 50});
    layout_.place(LabelBeta, {362, 30, 300, 50});
    layout_.place(LabelGamma, {668, 30, 300, 50});
    layout_.place(ascorelabel, {56, 84, 300, 170});
    layout_.place(bscorelabel, {362, 84, 300, 170});
    layout_.place(gscorelabel, {668, 84, 300, 170});
    layout_.place(Labelteam, {20, 268, 984, 96});
    layout_.place(NameLabel, {20, 366, 984, 116});
    layout_.place(Label2, {56, 496, 300, 26});
    layout_.place(timerlabel, {56, 522, 300, 110});
    layout_.place(Labeltimerstate, {56, 634, 300, 40});
    layout_.place(Label3, {668, 496, 300, 26});
    layout_.place(clocklabel, {668, 522, 300, 110});
    layout_.place(Option1, {388, 498, 80, 32});
    layout_.place(Option5, {472, 498, 80, 32});
    layout_.place(Option10, {556, 498, 80, 32});
    layout_.place(CommandT, {380, 546, 64, 34});
    layout_.place(CommandA, {448, 546, 64, 34});
    layout_.place(CommandB, {516, 546, 64, 34});
    layout_.place(Command20, {584, 546, 64, 34});
    layout_.place(cmdQuestion, {380, 598, 130, 36});
    layout_.place(Commandsetupmenu, {518, 598, 130, 36});
    layout_.place(TextLabel, {20, 700, 984, 28});
    layout_.place(Label6, {4, 740, 80, 22});
    // The board fills the screen it opens on (a projector, usually).
    const QScreen* screen = QGuiApplication::primaryScreen();
    window()->resize(screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768));
    layout_.apply(client()->size());
}

void ScoreBoard3::Form_Resize() {
    layout_.apply(client()->size());
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

QString ScoreBoard3::rowCaption(int row) const {
    return banner(row).caption();
}

ui::Color ScoreBoard3::rowColor(int row) const {
    return banner(row).backColor();
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

void ScoreBoard3::Form_Activate() {
    assignTeams();
    engine_.showMatchTime();
}

bool ScoreBoard3::Form_KeyDown(int key) {
    engine_.keyDown(key);
    return key == Qt::Key_Space;
}

// Back to the set-up menu: a time-out runs on the board while the operator is there, and
// the menu's score mirror gets the board's scores.
void ScoreBoard3::Commandsetupmenu_Click() {
    engine_.leaveForSetupMenu();
    for (int position = 0; position < 3; ++position) {
        if (scoreLabel(position).visible()) {
            menu_.setScoreCaption(positionSlot(position), scoreLabel(position).caption());
        }
    }
    menu_.showSetupMenu();
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

void ScoreBoard3::setStepButton(int step, bool selected) {
    (step == 1 ? Option1 : step == 5 ? Option5 : Option10).setValue(selected);
}

void ScoreBoard3::setBoardBackColor(ui::Color color) {
    setBackColor(color);
    for (ui::Label* l : {&Labelteam, &Labeltimerstate, &Label2, &Label3}) {
        l->setBackColor(color);
    }
}

void ScoreBoard3::setBoardTextColor(ui::Color color) {
    NameLabel.setForeColor(color);
    Labelteam.setForeColor(color);
}

void ScoreBoard3::applyOptions(const model::MatchSettings& s) {
    Command20.setVisible(s.twentySecondTabOn);
    for (ui::CommandButton* b : {&CommandA, &CommandB, &CommandT}) {
        b->setVisible(s.timerTabsOn);
    }
    TextLabel.setVisible(!s.operatorPromptsOff);
}

void ScoreBoard3::eraseScores() {
    for (int p = 0; p < 3; ++p) {
        scoreLabel(p).setCaption("0");
    }
}

}  // namespace boards
