#pragma once

#include <QRect>
#include <cstdint>

#include "boards/Board.h"
#include "engine/BoardView.h"
#include "engine/BuzzEngine.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ScaledLayout.h"

namespace modulelink {
class ModuleExchange;
}

namespace boards {

// What every score board shows and does: the responder and team labels, the response
// timer and the match clock with their captions, the timer tabs, the score-step buttons,
// "Set-up Menu", the prompt line, the engine behind them, and a layout that fills the
// screen with fonts scaled to it. A board adds its team or player rows.
class BoardWindow : public ui::Form, public Board, public engine::BoardView {
    Q_OBJECT
  public:
    ~BoardWindow() override;

    // Panels behind the centre controls and the two timers; they take the board colour.
    ui::Label Label1, Label4, Label5;
    ui::Label Labelteam, NameLabel;
    ui::Label Label2, Label3, timerlabel, Labeltimerstate, clocklabel;
    ui::Label Label6, TextLabel;
    ui::OptionButton Option1, Option5, Option10;
    ui::CommandButton CommandT, CommandA, CommandB, Command20, Commandsetupmenu;

    std::int16_t increment = 0;

    // Back to the set-up menu with a time-out running on the board.
    void Commandsetupmenu_Click();

    engine::BuzzEngine& engine() { return engine_; }

    // Board
    void showBoard() override { show(); }
    // A board put away for another stops listening (see BuzzEngine::standDown).
    void hideBoard() override {
        hide();
        engine_.standDown();
    }
    bool boardVisible() const override { return visible(); }
    void setStepButton(int step, bool selected) override;
    void setBoardBackColor(ui::Color color) override;
    void setBoardTextColor(ui::Color color) override;
    void showTwentySecondTab(bool on) override { Command20.setVisible(on); }
    void showTimerTabs(bool on) override;
    void showPromptLine(bool on) override { TextLabel.setVisible(on); }
    void setClockCaption(const QString& caption) override { clocklabel.setCaption(caption); }

    // engine::BoardView: the responder, timer and clock displays, and the rows by the
    // board's name and score labels.
    QString nameCaption() const override { return NameLabel.caption(); }
    void setNameCaption(const QString& caption) override { NameLabel.setCaption(caption); }
    QString teamCaption() const override { return Labelteam.caption(); }
    void setTeamCaption(const QString& caption) override { Labelteam.setCaption(caption); }
    void setTimerCaption(const QString& caption) override { timerlabel.setCaption(caption); }
    void setTimerKindCaption(const QString& c) override { Labeltimerstate.setCaption(c); }
    QString clockCaption() const override { return clocklabel.caption(); }
    void setClockTextColor(ui::Color color) override { clocklabel.setForeColor(color); }
    QString rowCaption(int row) const override { return rowName(row).caption(); }
    ui::Color rowColor(int row) const override { return rowName(row).backColor(); }
    void setRowColor(int row, ui::Color c) override { rowName(row).setBackColor(c); }
    void setRowScoreColor(int row, ui::Color c) override { rowScore(row).setBackColor(c); }
    void setDiagnosticCaption(const QString& caption) override { Label6.setCaption(caption); }

  protected:
    BoardWindow(const QString& caption, const engine::BoardPolicy& policy,
                model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
                modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform);

    // The labels that show row `row` (0-based) to the engine: a team banner or a ranked
    // row's name, and its score.
    virtual ui::Label& rowName(int row) const = 0;
    virtual ui::Label& rowScore(int row) const = 0;
    // The classic board keeps the menu's score mirror up to date on the way back.
    virtual void copyScoresToMenu() {}
    // The prompt over the response timer.
    virtual QString timerPrompt() const;

    // Places a control on the board's 1024 x 768 design; place and font scale with the
    // window.
    void place(ui::Control& control, QRect designRect) { layout_.place(control, designRect); }
    // "Set-up Menu" alone, in the middle under the score-step tabs.
    static constexpr QRect kSetupMenuAlone{447, 598, 130, 36};
    ui::ScaledLayout& layout() { return layout_; }
    // Ends a board's construction: the board fills the audience's screen, in the colours
    // of the settings.
    void fillScreen();

    bool Form_KeyDown(int key) override;
    void Form_Resize() override;
    // The bare background empties the prompt line.
    void Form_MouseMove() override { TextLabel.setCaption({}); }
    // Closing the board goes back to the set-up menu, as its "Set-up Menu" button does.
    void Form_Close() override { Commandsetupmenu_Click(); }

    model::MatchSettings& settings_;
    model::MatchState& state_;
    SetupMenuLink& menu_;

  private:
    ui::ScaledLayout layout_;
    engine::BuzzEngine engine_;
};

// The fonts of the board design, at the 1024 x 768 design size.
namespace fonts {
inline const ui::Font name{"Arial Black", 76, false};
inline const ui::Font team{"Arial Black", 64, false};
inline const ui::Font timer{"Arial", 72, false};
inline const ui::Font timerState{"Arial Black", 24, false};
inline const ui::Font caption{"Arial", 14, false};
inline const ui::Font button{"Arial", 12, true};
}  // namespace fonts

}  // namespace boards
