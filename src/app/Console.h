#pragma once

#include <functional>
#include <memory>

#include "app/AudienceLink.h"
#include "boards/BoardSet.h"
#include "boards/ScoreWatch.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "modulelink/HidAgent.h"
#include "modulelink/HidTransport.h"
#include "modulelink/ModuleLink.h"
#include "modulelink/windows/TitleForm.h"
#include "questions/QuestionWindows.h"
#include "record/MatchRecord.h"
#include "record/windows/BuzzLog.h"
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
class Console final : public modulelink::StartupHost, public setup::MenuHost, public rf::RadioHost {
  public:
    Console(ui::Platform& platform, ui::Clock& clock, modulelink::HidTransport& transport);
    ~Console() override;

    // Loads and shows the start-up window, which searches for the team modules.
    void start();

    model::MatchSettings& settings() { return settings_; }
    model::MatchState& state() { return state_; }
    modulelink::ModuleLink& link() { return link_; }
    modulelink::TitleForm& titleForm() { return titleForm_; }
    setup::FrmMenu3_5& menu();
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
    void newMatch() override;
    void exportMatch() override;
    void printScoreSheet() override;
    void showBuzzLog() override;
    void showBuzzerRoles() override {
        if (buzzerRoles) {
            buzzerRoles();
        }
    }
    // Shows "Other Buzzers"; set by the program, which owns the foreign devices.
    std::function<void()> buzzerRoles;

    record::MatchRecord& matchRecord() { return record_; }
    record::BuzzLog* buzzLog() const { return buzzLog_.get(); }
    setup::AudienceScreenInfo audienceScreen() const override { return audience_->info(); }
    QString switchAudienceScreen(bool on, quint16 port) override {
        return audience_->switchTo(on, port);
    }

    // rf::RadioHost
    void showClassicBoard() override { classicBoard().show(); }
    void armClassicBoard() override { classicBoard().engine().spacekey(); }

  private:
    boards::BoardSet& boards();
    boards::ScoreWatch& scoreWatch();
    // Once the set-up menu has loaded (after the rescue file): the unfinished last match is
    // offered for restoring, then the record begins.
    void startRecord();
    QVector<model::MatchEvent> resumableMatch();
    void restoreScores();
    model::MatchEvent opening() const;

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
    record::MatchRecord record_;
    std::unique_ptr<boards::ScoreWatch> scoreWatch_;
    std::unique_ptr<record::BuzzLog> buzzLog_;
    bool recordStarted_ = false;
    std::unique_ptr<AudienceLink> audience_;  // last: it reads the windows above
};

}  // namespace app
