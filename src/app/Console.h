#pragma once

#include <functional>
#include <memory>

#include "app/AudienceLink.h"
#include "app/RecordController.h"
#include "boards/BoardSet.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "modulelink/HidAgent.h"
#include "modulelink/HidTransport.h"
#include "modulelink/ModuleLink.h"
#include "modulelink/windows/TitleForm.h"
#include "questions/QuestionWindows.h"
#include "rf/ChangeChannel.h"
#include "rf/PALevel.h"
#include "rf/RadioHost.h"
#include "rf/XmitterCode.h"
#include "setup/FrmMenu3_5.h"
#include "ui/Clock.h"
#include "ui/Platform.h"

namespace app {

// The whole console: the match records, the module link with its start-up window, the
// set-up menu and the boards, each window made on first use and kept for the run.
class Console final : public modulelink::StartupHost,
                      public setup::MenuHost,
                      public rf::RadioHost,
                      public RecordHost {
  public:
    Console(ui::Platform& platform, ui::Clock& clock, modulelink::HidTransport& transport);
    ~Console() override;

    // Loads and shows the start-up window, which searches for the team modules.
    void start();

    model::MatchSettings& settings() { return settings_; }
    model::MatchState& state() { return state_; }
    modulelink::ModuleLink& link() { return link_; }
    modulelink::TitleForm& titleForm() { return titleForm_; }
    setup::FrmMenu3_5& menu() override;
    boards::BoardSet& boardSet() override { return boards(); }
    boards::ScoreBoard3& classicBoard() { return boards().classic(); }
    boards::LeaderBoard& leaderBoard() { return boards().leader(); }
    boards::CutThroat& cutThroatBoard() { return boards().cutThroat(); }
    // The board the set-up menu has chosen.
    boards::BoardWindow& chosenBoard() { return boards().board(settings_.boardChoice()); }
    // The question window, once the classic board has shown it.
    questions::FormQuestion* questionWindow() const { return questions_.existing(); }
    rf::XmitterCode& xmitterCode();
    rf::ChangeChannel& changeChannel();
    rf::PALevel& paLevel();
    AudienceLink& audience() { return *audience_; }

    // modulelink::StartupHost
    void showTitleForm() override { titleForm_.show(); }
    void hideTitleForm() override { titleForm_.hide(); }
    void unloadTitleForm() override { titleForm_.unload(); }
    void showSetupMenu() override;
    void SaveRescueFile() override { menu().files().SaveRescueFile(); }
    void unloadSetupMenu() override;
    void captionsChanged() override { titleForm_.refreshCaptions(); }

    // setup::MenuHost
    void ShutItDown() override { link_.ShutItDown(); }
    boards::Board& board(model::BoardChoice choice) override { return boards().board(choice); }
    boards::Board* existingBoard(model::BoardChoice choice) override;
    void showRadioDialog(setup::RadioDialog dialog) override;
    void newMatch() override { recordController_.newMatch(); }
    void exportMatch() override { recordController_.exportMatch(); }
    void printScoreSheet() override { recordController_.printScoreSheet(); }
    void showBuzzLog() override { recordController_.showBuzzLog(); }
    void showBuzzerRoles() override {
        if (buzzerRoles) {
            buzzerRoles();
        }
    }
    // Shows "Other Buzzers"; set by the program, which owns the foreign devices.
    std::function<void()> buzzerRoles;

    record::MatchRecord& matchRecord() { return recordController_.record(); }
    record::BuzzLog* buzzLog() const { return recordController_.buzzLog(); }
    setup::AudienceScreenInfo audienceScreen() const override { return audience_->info(); }
    QString switchAudienceScreen(bool on, quint16 port) override {
        return audience_->switchTo(on, port);
    }

    // rf::RadioHost
    void showClassicBoard() override { classicBoard().show(); }
    void armClassicBoard() override { classicBoard().engine().spacekey(); }

  private:
    boards::BoardSet& boards();

    ui::Platform& platform_;
    ui::Clock& clock_;
    model::MatchSettings settings_;
    model::MatchState state_;
    modulelink::HidAgent agent_;
    modulelink::ModuleLink link_;
    modulelink::TitleForm titleForm_;
    std::unique_ptr<setup::FrmMenu3_5> menu_;
    questions::QuestionWindows questions_;
    std::unique_ptr<boards::BoardSet> boards_;
    std::unique_ptr<rf::XmitterCode> xmitterCode_;
    std::unique_ptr<rf::ChangeChannel> changeChannel_;
    std::unique_ptr<rf::PALevel> paLevel_;
    RecordController recordController_;
    std::unique_ptr<AudienceLink> audience_;  // last: it reads the windows above
};

}  // namespace app
