#pragma once

#include <array>
#include <memory>

#include "boards/Board.h"
#include "engine/BoardView.h"
#include "engine/BuzzEngine.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ScaledLayout.h"

namespace boards {

// "Form1": the classic board for one, two or three teams. Team names and scores come from
// the set-up menu at every activation; score clicks write back to the menu's mirror.
class ScoreBoard3 final : public ui::Form, public Board, public engine::BoardView {
    Q_OBJECT
  public:
    ScoreBoard3(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
                modulelink::ModuleExchange& modules, ui::Clock& clock, ui::Platform& platform);
    ~ScoreBoard3() override;

    // Controls.
    ui::Label Labelalpha, LabelBeta, LabelGamma;
    ui::Label ascorelabel, bscorelabel, gscorelabel;
    ui::Label Labelteam, NameLabel;
    ui::Label Label2, Label3, timerlabel, Labeltimerstate, clocklabel;
    ui::Label Label6, TextLabel;
    ui::OptionButton Option1, Option5, Option10;
    ui::CommandButton CommandT, CommandA, CommandB, Command20, cmdQuestion, Commandsetupmenu;

    // The team slot shown at each position (left, middle, right).
    std::int16_t AlphaTeam = 0, BetaTeam = 0, GammaTeam = 0;
    std::int16_t increment = 0;

    // Banners and score labels by position 0..2 (left, middle, right).
    ui::Label& banner(int position) const;
    ui::Label& scoreLabel(int position) const;
    std::int16_t positionSlot(int position) const;

    // Handlers.
    void assignTeams();
    void scoreLabel_MouseDown(int position, int button);
    void banner_MouseDown(int position, int button);
    void Commandsetupmenu_Click();

    // Board
    void showBoard() override { show(); }
    void hideBoard() override { hide(); }
    bool boardVisible() const override { return visible(); }
    void setStepButton(int step, bool selected) override;
    void setBoardBackColor(ui::Color color) override;
    void setBoardTextColor(ui::Color color) override;
    void applyOptions(const model::MatchSettings& settings) override;
    void setClockCaption(const QString& caption) override { clocklabel.setCaption(caption); }
    void eraseScores() override;

    // engine::BoardView
    QString nameCaption() const override { return NameLabel.caption(); }
    void setNameCaption(const QString& caption) override { NameLabel.setCaption(caption); }
    QString teamCaption() const override { return Labelteam.caption(); }
    void setTeamCaption(const QString& caption) override { Labelteam.setCaption(caption); }
    void setTimerCaption(const QString& caption) override { timerlabel.setCaption(caption); }
    void setTimerKindCaption(const QString& c) override { Labeltimerstate.setCaption(c); }
    QString clockCaption() const override { return clocklabel.caption(); }
    void setClockTextColor(ui::Color color) override { clocklabel.setForeColor(color); }
    int rowCount() const override { return 3; }
    QString rowCaption(int row) const override;
    ui::Color rowColor(int row) const override;
    void setRowColor(int row, ui::Color color) override { banner(row).setBackColor(color); }
    void setRowScoreColor(int row, ui::Color c) override { scoreLabel(row).setBackColor(c); }
    void repaintNow() override;
    void setDiagnosticCaption(const QString& caption) override { Label6.setCaption(caption); }

    engine::BuzzEngine& engine() { return engine_; }

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    bool Form_KeyDown(int key) override;
    void Form_Resize() override;
    // Closing the board goes back to the set-up menu, as its "Set-up Menu" button does.
    void Form_Close() override { Commandsetupmenu_Click(); }

    model::MatchSettings& settings_;
    model::MatchState& state_;
    SetupMenuLink& menu_;

  private:
    void layOut();
    ui::ScaledLayout layout_;
    engine::BuzzEngine engine_;
};

}  // namespace boards
