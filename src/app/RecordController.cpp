#include "app/RecordController.h"

#include <QDateTime>
#include <QDir>

#include "record/Exports.h"
#include "record/Journal.h"
#include "record/windows/ScoreSheet.h"
#include "setup/ScoreUpkeep.h"

namespace app {

RecordController::RecordController(ui::Platform& platform, const model::MatchSettings& settings,
                                   model::MatchState& state, RecordHost& host,
                                   setup::MenuHost& menuHost)
    : platform_(platform),
      settings_(settings),
      state_(state),
      host_(host),
      menuHost_(menuHost),
      record_(platform.userDataFolder().isEmpty()
                  ? QString()
                  : QDir(platform.userDataFolder()).filePath(QStringLiteral("matches")),
              [] { return QDateTime::currentMSecsSinceEpoch(); }) {
    record_.onScoresTouched = [this](model::ScoreHow how) { scoreWatch().look(how); };
    record_.onRecordOff = [this](const QString& reason) {
        platform_.messageBox(
            QStringLiteral("The match record is off: its file cannot be written (%1).\r\n"
                           "The match goes on, but its scores cannot be restored after a "
                           "crash.")
                .arg(reason),
            ui::MsgButtons::OK, ui::MsgIcon::Warning, QStringLiteral("Match Record"));
    };
}

RecordController::~RecordController() {
    state_.events = &model::noMatchEvents();
}

boards::ScoreWatch& RecordController::scoreWatch() {
    if (!scoreWatch_) {
        scoreWatch_ =
            std::make_unique<boards::ScoreWatch>(host_.boardSet(), host_.menu(), settings_, state_);
    }
    return *scoreWatch_;
}

void RecordController::start() {
    if (started_ || state_.shutdownInProgress || !host_.menu().loaded()) {
        return;
    }
    started_ = true;
    const QVector<model::MatchEvent> resumed = resumableMatch();
    record_.begin(opening(), resumed);
    if (!resumed.isEmpty()) {
        restoreScores();
    }
    scoreWatch().settle();
    state_.events = &record_;
}

// The served team slots with their names and players, as the match begins.
model::MatchEvent RecordController::opening() const {
    model::MatchEvent e;
    e.kind = model::MatchEvent::Kind::Begin;
    e.board = settings_.boardChoice();
    for (int slot = 0; slot < model::kTeamSlots; ++slot) {
        if (state_.teamModuleHandle[slot] == 0) {
            continue;
        }
        e.teamSlots.append(slot);
        for (int entry = 0; entry < 6; ++entry) {
            e.roster.append(settings_.rosterText[model::teamNameIndex(slot) + entry]);
        }
    }
    return e;
}

QVector<model::MatchEvent> RecordController::resumableMatch() {
    const QString path = record::newestJournal(record_.folder());
    if (path.isEmpty()) {
        return {};
    }
    const record::JournalContents contents = record::readJournal(path);
    if (!contents.error.isEmpty() || contents.ended) {
        return {};
    }
    record::MatchModel last;
    for (const model::MatchEvent& event : contents.events) {
        last.apply(event);
    }
    if (!last.hasScores()) {
        return {};
    }
    if (platform_.messageBox(record::resumeQuestion(last, contents.skipped), ui::MsgButtons::YesNo,
                             ui::MsgIcon::Question,
                             QStringLiteral("Restore Match")) != ui::MsgAnswer::Yes) {
        return {};
    }
    return contents.events;
}

// Every score back where it stood: the classic board's through the set-up menu's scores,
// the leader board's rows and the players' list by name.
void RecordController::restoreScores() {
    const auto& scores = record_.model().scores();
    for (auto it = scores.cbegin(); it != scores.cend(); ++it) {
        switch (static_cast<model::ScoreHolder>(it.key().first)) {
            case model::ScoreHolder::TeamSlot:
                host_.menu().setScoreCaption(it.key().second, it->text);
                break;
            case model::ScoreHolder::LeaderRow:
                host_.boardSet().leader().load();
                host_.boardSet().leader().restoreScore(it->name, it->text);
                break;
            case model::ScoreHolder::PlayerList:
                host_.boardSet().cutThroat().showAll().load();
                host_.boardSet().cutThroat().showAll().restoreScore(it->name, it->text);
                break;
        }
    }
}

void RecordController::newMatch() {
    if (record_.model().hasScores() &&
        platform_.messageBox(QStringLiteral("This match has scores. Close it and start a new "
                                            "match with every score at 0?"),
                             ui::MsgButtons::YesNo, ui::MsgIcon::Question,
                             QStringLiteral("New Match")) != ui::MsgAnswer::Yes) {
        return;
    }
    record_.end();
    state_.events = &model::noMatchEvents();
    setup::eraseAllScores(menuHost_, host_.menu());
    record_.begin(opening());
    scoreWatch().settle();
    state_.events = &record_;
}

void RecordController::showBuzzLog() {
    if (!buzzLog_) {
        buzzLog_ = std::make_unique<record::BuzzLog>(record_.model());
    }
    buzzLog_->show();
}

void RecordController::exportMatch() {
    const std::optional<QString> chosen = platform_.saveFileDialog(
        {QStringLiteral("Export Match"), QStringLiteral("CSV Files|*.csv"),
         platform_.writableFolder(), QStringLiteral("match.csv"), QStringLiteral(".csv")});
    if (!chosen) {
        return;
    }
    const QString problem = record::exportMatch(record_.model(), *chosen);
    if (!problem.isEmpty()) {
        platform_.messageBox(problem, ui::MsgButtons::OK, ui::MsgIcon::Warning,
                             QStringLiteral("Export Match"));
    }
}

void RecordController::printScoreSheet() {
    record::printScoreSheetFlow(record_.model(), platform_);
}

}  // namespace app
