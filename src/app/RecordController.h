#pragma once

#include <QVector>
#include <memory>

#include "boards/BoardSet.h"
#include "boards/ScoreWatch.h"
#include "model/MatchEvents.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "record/MatchRecord.h"
#include "record/windows/BuzzLog.h"
#include "setup/FrmMenu3_5.h"
#include "setup/MenuHost.h"
#include "ui/Platform.h"

namespace app {

// The console's windows as the record flows reach them, each made on first use.
class RecordHost {
  public:
    virtual ~RecordHost() = default;
    virtual setup::FrmMenu3_5& menu() = 0;
    virtual boards::BoardSet& boardSet() = 0;
};

// The match record's flows: the record begins once the set-up menu has loaded (the last
// match, left unfinished, offered for restoring), "New Match", "Export Match...", "Print
// Score Sheet..." and the buzz log.
class RecordController {
  public:
    RecordController(ui::Platform& platform, const model::MatchSettings& settings,
                     model::MatchState& state, RecordHost& host, setup::MenuHost& menuHost);
    ~RecordController();
    RecordController(const RecordController&) = delete;
    RecordController& operator=(const RecordController&) = delete;

    // Once, after the set-up menu has loaded (after the rescue file): the unfinished last
    // match is offered for restoring, then the record begins.
    void start();
    void newMatch();
    void exportMatch();
    void printScoreSheet();
    void showBuzzLog();

    record::MatchRecord& record() { return record_; }
    record::BuzzLog* buzzLog() const { return buzzLog_.get(); }

  private:
    boards::ScoreWatch& scoreWatch();
    QVector<model::MatchEvent> resumableMatch();
    void restoreScores();
    model::MatchEvent opening() const;

    ui::Platform& platform_;
    const model::MatchSettings& settings_;
    model::MatchState& state_;
    RecordHost& host_;
    setup::MenuHost& menuHost_;
    record::MatchRecord record_;
    std::unique_ptr<boards::ScoreWatch> scoreWatch_;
    std::unique_ptr<record::BuzzLog> buzzLog_;
    bool started_ = false;
};

}  // namespace app
