#include "boards/BoardWindow.h"

#include "boards/PromptTexts.h"
#include "boards/Prompts.h"

namespace boards {

BoardWindow::BoardWindow(const QString& caption, const engine::BoardPolicy& policy,
                         model::MatchSettings& settings, model::MatchState& state,
                         SetupMenuLink& menu, modulelink::ModuleExchange& modules, ui::Clock& clock,
                         ui::Platform& platform)
    : ui::Form(caption),
      Label1(client(), ""),
      Label4(client(), ""),
      Label5(client(), ""),
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
      Commandsetupmenu(client(), "Set-up Menu"),
      settings_(settings),
      state_(state),
      menu_(menu),
      layout_(QSize(1024, 768)),
      engine_(policy, *this, modules, settings, state, clock, platform) {
    NameLabel.setFont(fonts::name);
    NameLabel.setForeColor(ui::colors::darkRed);
    Labelteam.setFont(fonts::team);
    timerlabel.setFont(fonts::timer);
    clocklabel.setFont(fonts::timer);
    Labeltimerstate.setFont(fonts::timerState);
    for (ui::Label* l : {&Label2, &Label3, &TextLabel}) {
        l->setFont(fonts::caption);
    }
    for (ui::Label* l :
         {&Labelteam, &NameLabel, &timerlabel, &clocklabel, &Labeltimerstate, &Label2, &Label3}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFitText(true);
    }
    // Captions, the prompt line and the diagnostic code sit on the board's background.
    for (ui::Label* l : {&Label2, &Label3, &TextLabel, &Label6}) {
        l->setForeColor(ui::colors::white);
    }
    for (ui::Label* l : {&TextLabel, &Label6}) {
        l->setTransparent(true);
    }
    // Buttons never take the focus: the space bar belongs to the board.
    for (ui::CommandButton* b : {&CommandT, &CommandA, &CommandB, &Command20, &Commandsetupmenu}) {
        b->setTakesFocus(false);
        b->setFont(fonts::button);
    }
    for (ui::OptionButton* o : {&Option1, &Option5, &Option10}) {
        o->radio()->setFocusPolicy(Qt::NoFocus);
        o->radio()->setAutoFillBackground(true);
        o->setFont(fonts::button);
    }
    // The timer tabs and the 20-second tab show only when the options turn them on.
    for (ui::CommandButton* b : {&CommandT, &CommandA, &CommandB, &Command20}) {
        b->setVisible(false);
    }

    Option1.Click = [this] { increment = 1; };
    Option5.Click = [this] { increment = 5; };
    Option10.Click = [this] { increment = 10; };
    Commandsetupmenu.Click = [this] { Commandsetupmenu_Click(); };
    NameLabel.MouseDown = [this](int b) { engine_.NameLabel_MouseDown(b); };
    timerlabel.MouseDown = [this](int b) { engine_.timerlabel_MouseDown(b); };
    clocklabel.MouseDown = [this](int b) { engine_.clocklabel_MouseDown(b); };
    CommandT.Click = [this] { engine_.CommandT_Click(); };
    CommandA.Click = [this] { engine_.CommandA_Click(); };
    CommandB.Click = [this] { engine_.CommandB_Click(); };
    Command20.Click = [this] { engine_.Command20_Click(); };
    promptOnMove(NameLabel, TextLabel, prompt::kName);
    promptOnMove(timerlabel, TextLabel, [this] { return timerPrompt(); });
    promptOnMove(clocklabel, TextLabel, prompt::kClock);
    promptOnMove(Commandsetupmenu, TextLabel, prompt::kSetupMenu);
    promptOnMove(Option1, TextLabel, prompt::kStep1);
    promptOnMove(Option5, TextLabel, prompt::kStep5);
    promptOnMove(Option10, TextLabel, prompt::kStep10);

    // The lower third is the same on every board: response timer at the left, match clock
    // at the right, the operator's buttons between them, the prompt line below.
    place(Label4, {40, 488, 332, 196});
    place(Label5, {652, 488, 332, 196});
    place(Label1, {376, 488, 276, 196});
    place(Label2, {56, 496, 300, 26});
    place(timerlabel, {56, 522, 300, 110});
    place(Labeltimerstate, {56, 634, 300, 40});
    place(Label3, {668, 496, 300, 26});
    place(clocklabel, {668, 522, 300, 110});
    place(Option1, {388, 498, 80, 32});
    place(Option5, {472, 498, 80, 32});
    place(Option10, {556, 498, 80, 32});
    place(CommandT, {380, 546, 64, 34});
    place(CommandA, {448, 546, 64, 34});
    place(CommandB, {516, 546, 64, 34});
    place(Command20, {584, 546, 64, 34});
    place(TextLabel, {20, 700, 984, 28});
    place(Label6, {4, 740, 80, 22});
}

BoardWindow::~BoardWindow() = default;

QString BoardWindow::timerPrompt() const {
    return prompt::kTimer;
}

void BoardWindow::fillScreen() {
    // The board fills the audience's screen (a projector, when one is attached).
    setPlace(ui::WindowPlace::Audience);
    layout_.apply(client()->size());
    setBoardBackColor(settings_.boardBackColor);
    setBoardTextColor(settings_.boardTextColor);
}

void BoardWindow::Form_Resize() {
    layout_.apply(client()->size());
}

bool BoardWindow::Form_KeyDown(int key) {
    engine_.keyDown(key);
    return key == Qt::Key_Space;
}

void BoardWindow::Commandsetupmenu_Click() {
    engine_.leaveForSetupMenu();
    copyScoresToMenu();
    menu_.showSetupMenu();
}

void BoardWindow::setStepButton(int step, bool selected) {
    (step == 1 ? Option1 : step == 5 ? Option5 : Option10).setValue(selected);
}

void BoardWindow::setBoardBackColor(ui::Color color) {
    setBackColor(color);
    for (ui::Label* l :
         {&Labelteam, &Labeltimerstate, &Label2, &Label3, &Label1, &Label4, &Label5}) {
        l->setBackColor(color);
    }
}

void BoardWindow::setBoardTextColor(ui::Color color) {
    NameLabel.setForeColor(color);
    Labelteam.setForeColor(color);
}

void BoardWindow::showTimerTabs(bool on) {
    for (ui::CommandButton* b : {&CommandA, &CommandB, &CommandT}) {
        b->setVisible(on);
    }
}

}  // namespace boards
