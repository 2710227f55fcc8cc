#pragma once

#include <QString>
#include <functional>

#include "model/MatchEvents.h"
#include "record/Journal.h"
#include "record/MatchModel.h"

namespace record {

// The record of the match being played: every event goes into the live match model and,
// flushed to the disk, into the match's journal in `folder`. When the journal cannot be
// written the match goes on in the model and the operator is told once. Without a folder
// (no user data folder) the match is kept in the model only.
class MatchRecord final : public model::MatchEvents {
  public:
    using WallClock = std::function<std::int64_t()>;
    MatchRecord(QString folder, WallClock wallClock);

    MatchModel& model() { return model_; }
    const QString& folder() const { return folder_; }
    QString journalPath() const { return journal_.path(); }

    // Begins a match with a new journal. `opening` names its teams; a resumed match passes
    // the events read back from its old journal instead, and they are written first.
    void begin(const model::MatchEvent& opening, const QVector<model::MatchEvent>& resumed = {});
    // The end mark: the match finished properly and needs no resume.
    void end();
    bool active() const { return active_; }

    void record(const model::MatchEvent& event) override;
    void scoresTouched(model::ScoreHow how) override;

    // Looks at every score and records what changed (set by whoever can see the boards).
    std::function<void(model::ScoreHow)> onScoresTouched;
    // The journal cannot be written: told once per match, with the reason.
    std::function<void(const QString&)> onRecordOff;

  private:
    void keep(const model::MatchEvent& event);
    void recordOff();

    QString folder_;
    WallClock wallClock_;
    MatchModel model_;
    JournalWriter journal_;
    bool active_ = false;
    bool toldOff_ = false;
};

// The newest journal in a folder, or an empty path when there is none.
QString newestJournal(const QString& folder);

}  // namespace record
