#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "boards/Board.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "model/SetupFileTarget.h"
#include "model/SetupFiles.h"
#include "setup/FormOptions.h"
#include "setup/MenuHost.h"
#include "setup/OptionEffects.h"
#include "setup/SoundChoice.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/Platform.h"
#include "ui/TabStrip.h"
#include "ui/TextBox.h"

namespace setup {

// "Main Set-up Menu": the operator's home window. Names and timer lengths are bound to
// the match settings; the menu bar reaches files, sound source, boards and the rest.
class FrmMenu3_5 final : public ui::Form,
                         public boards::SetupMenuLink,
                         public model::SetupFileTarget {
    Q_OBJECT
  public:
    FrmMenu3_5(model::MatchSettings& settings, model::MatchState& state, ui::Platform& platform,
               MenuHost& host);
    ~FrmMenu3_5() override;

    // Controls.
    ui::TabStrip TabStrip1;
    std::array<QWidget*, 4> picTab{};
    std::array<std::unique_ptr<ui::TextBox>, model::kRosterSize> Text;
    std::array<std::unique_ptr<ui::Label>, model::kRosterSize> rowLabel;  // "Team Name:" ...
    std::array<std::unique_ptr<ui::TextBox>, 11> Texttimer;               // boxes 6..10
    ui::Label Label1;
    ui::Label WebQr;  // the audience screen's address as a QR code, while it serves
    ui::CommandButton CommandHide;
    std::array<std::unique_ptr<ui::Label>, model::kTeamSlots> Score;
    int currentPage = 0;

    // The menu bar, in order.
    ui::MenuItem mnufile, mnuOpen, mnuSaveAs, mnuNewMatch, mnuExportMatch, mnuPrintSheet, mnuExit;
    ui::MenuItem mnuSetup, mnuSndSource, mnuQvxSpeaker, mnuSndCard, mnuMoreOptions, mnuBuzzerRoles,
        mnuRFOptions, mnuXmitterCode, mnuChangeChannel, mnuPaLevel;
    ui::MenuItem munOptions, mnuScoreChoices, mnuLeaderBd, mnuScoreBd, mnuCutThroat, mnuSounds,
        MnuBuzzSnd, mnuTimersnd, mnuGamesnd, mnuColors, mnubackgroundcolor, mnutextcolor,
        mnuRestoreDefault, mnuSwapSides, mnuEraseScores;
    ui::MenuItem mnuQuestionS, mnuQuestionSource, mnuModeratorRead, mnuComputerGenerated,
        mnuQuestionEditor;
    ui::MenuItem mnuStatistics, mnuIndividual, mnuTeam, mnuMatch;
    ui::MenuItem mnuView, mnuBuzzLog;
    ui::MenuItem mnuInternet;
    ui::MenuItem mnuHelp, mnuVersionInfo, mnuContactKorvessa;

    // Procedures.
    void OptionDisplay() override;
    void AddToResults(const QString& text);
    void GreyOut();
    void SetUpFormOptions() override;
    // Puts the settings into the boxes and check marks (after a file was read).
    void showSettings() override;
    // The effect of one option switch, run whenever its value changes.
    void runOptionEffect(model::OptionBox box);

    // Handlers.
    void TabStrip1_Click();
    void CommandHide_Click();
    void mnuExit_Click();
    void mnuQvxSpeaker_Click();
    void mnuSndCard_Click();
    void chooseBoard(model::BoardChoice choice);
    void chooseQuestionSource(model::QuestionSource clicked);
    void mnuVersionInfo_Click();

    // "Options Menu", made on first use.
    FormOptions& formOptions();

    // boards::SetupMenuLink
    QString scoreCaption(int slot) const override;
    void setScoreCaption(int slot, const QString& caption) override;
    bool nameBoxEnabled(int index) const override;
    void showSetupMenu() override { show(); }

    // The file procedures (open, save, restore, rescue file).
    model::SetupFiles& files() { return files_; }

    // model::SetupFileTarget
    void setStepButton(model::BoardChoice board, int step, bool selected) override;
    void showBoard(model::BoardChoice board) override;
    void hideBoard(model::BoardChoice board) override;
    void bringSetupMenuToFront() override { show(); }
    void setbackcolor() override;
    void SetForeColor() override;
    void optionBoxChanged(model::OptionBox box) override { runOptionEffect(box); }

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Close() override { mnuExit_Click(); }

  private:
    void buildPages();
    void buildTimerBoxes();
    void wireMenus();
    void showMenuMarks();
    void chooseLeaderBoardForManyTeams();
    void showAudienceScreen();

    model::MatchSettings& settings_;
    model::MatchState& state_;
    ui::Platform& platform_;
    MenuHost& host_;
    model::SetupFiles files_;
    OptionEffects effects_;
    SoundChoice sounds_;
    std::unique_ptr<FormOptions> options_;
};

}  // namespace setup
