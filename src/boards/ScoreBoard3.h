#pragma once

#include <cstdint>

#include "boards/BoardWindow.h"
#include "boards/QuestionWindowLink.h"

namespace boards {

// "Form1": the classic board for one, two or three teams. Team names and scores come from
// the set-up menu at every activation; score clicks write back to the menu's mirror.
class ScoreBoard3 final : public BoardWindow {
    Q_OBJECT
  public:
    ScoreBoard3(model::MatchSettings& settings, model::MatchState& state, SetupMenuLink& menu,
                QuestionWindowLink& questions, modulelink::ModuleExchange& modules,
                ui::Clock& clock, ui::Platform& platform);
    ~ScoreBoard3() override;

    // Controls.
    ui::Label Labelalpha, LabelBeta, LabelGamma;
    ui::Label ascorelabel, bscorelabel, gscorelabel;
    ui::CommandButton cmdQuestion;

    // The team slot shown at each position (left, middle, right).
    std::int16_t AlphaTeam = 0, BetaTeam = 0, GammaTeam = 0;

    // Banners and score labels by position 0..2 (left, middle, right).
    ui::Label& banner(int position) const;
    ui::Label& scoreLabel(int position) const;
    std::int16_t positionSlot(int position) const;

    // Handlers.
    void assignTeams();
    void scoreLabel_MouseDown(int position, int button);
    void banner_MouseDown(int position, int button);
    // "View Question": the question shown last comes back, with its clip.
    void cmdQuestion_Click();

    // Board
    void showQuestionButton(bool on) override;
    void eraseScores() override;

    // engine::BoardView
    int rowCount() const override { return 3; }
    void repaintNow() override;
    void showQuestionWindow() override { questions_.showQuestionWindow(*this); }
    void hideQuestionWindow() override { questions_.hideQuestionWindow(); }
    void clearAnswerLabel() override { questions_.clearAnswerLabel(); }

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    ui::Label& rowName(int row) const override { return banner(row); }
    ui::Label& rowScore(int row) const override { return scoreLabel(row); }
    void copyScoresToMenu() override;
    QString timerPrompt() const override;

  private:
    QuestionWindowLink& questions_;
};

}  // namespace boards
