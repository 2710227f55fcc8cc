#include "app/Console.h"

#include <QDateTime>
#include <QDir>

#include "record/Exports.h"
#include "record/windows/ScoreSheet.h"
#include "setup/ScoreUpkeep.h"
#include "ui/Screens.h"

namespace app {

Console::Console(ui::Platform& platform, ui::Clock& clock, modulelink::HidTransport& transport)
    : platform_(platform),
      clock_(clock),
      agent_(transport, clock),
      link_(agent_, state_, platform, clock, *this),
      titleForm_(link_, platform),
      questions_(state_, platform),
      record_(platform.userDataFolder().isEmpty()
                  ? QString()
                  : QDir(platform.userDataFolder()).filePath(QStringLiteral("matches")),
              [] { return QDateTime::currentMSecsSinceEpoch(); }),
      audience_(std::make_unique<AudienceLink>(*this, clock)) {
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

Console::~Console() {
    state_.events = &model::noMatchEvents();
}

void Console::start() {
    titleForm_.show();
}

setup::FrmMenu3_5& Console::menu() {
    if (!menu_) {
        menu_ = std::make_unique<setup::FrmMenu3_5>(settings_, state_, platform_, *this);
        // The set-up menu's screen is the operator's; the boards open on another one.
        ui::screens::setOperatorWindow(menu_->window());
    }
    return *menu_;
}

void Console::unloadSetupMenu() {
    if (menu_) {
        menu_->unload();
    }
    if (boards_) {
        boards_->hideAll();
    }
}

boards::BoardSet& Console::boards() {
    if (!boards_) {
        boards_ = std::make_unique<boards::BoardSet>(settings_, state_, menu(), questions_, link_,
                                                     clock_, platform_);
    }
    return *boards_;
}

boards::ScoreWatch& Console::scoreWatch() {
    if (!scoreWatch_) {
        scoreWatch_ = std::make_unique<boards::ScoreWatch>(boards(), menu(), settings_, state_);
    }
    return *scoreWatch_;
}

void Console::showSetupMenu() {
    menu().show();
    startRecord();
}

void Console::startRecord() {
    if (recordStarted_ || state_.shutdownInProgress || !menu().loaded()) {
        return;
    }
    recordStarted_ = true;
    const QVector<model::MatchEvent> resumed = resumableMatch();
    record_.begin(opening(), resumed);
    if (!resumed.isEmpty()) {
        restoreScores();
    }
    scoreWatch().settle();
    state_.events = &record_;
}

// The served team slots with their names and players, as the match begins.
model::MatchEvent Console::opening() const {
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

QVector<model::MatchEvent> Console::resumableMatch() {
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
void Console::restoreScores() {
    const auto& scores = record_.model().scores();
    for (auto it = scores.cbegin(); it != scores.cend(); ++it) {
        switch (static_cast<model::ScoreHolder>(it.key().first)) {
            case model::ScoreHolder::TeamSlot:
                menu().setScoreCaption(it.key().second, it->text);
                break;
            case model::ScoreHolder::LeaderRow:
                boards().leader().load();
                boards().leader().restoreScore(it->name, it->text);
                break;
            case model::ScoreHolder::PlayerList:
                boards().cutThroat().showAll().load();
                boards().cutThroat().showAll().restoreScore(it->name, it->text);
                break;
        }
    }
}

void Console::newMatch() {
    if (record_.model().hasScores() &&
        platform_.messageBox(QStringLiteral("This match has scores. Close it and start a new "
                                            "match with every score at 0?"),
                             ui::MsgButtons::YesNo, ui::MsgIcon::Question,
                             QStringLiteral("New Match")) != ui::MsgAnswer::Yes) {
        return;
    }
    record_.end();
    state_.events = &model::noMatchEvents();
    setup::eraseAllScores(*this, menu());
    record_.begin(opening());
    scoreWatch().settle();
    state_.events = &record_;
}

void Console::showBuzzLog() {
    if (!buzzLog_) {
        buzzLog_ = std::make_unique<record::BuzzLog>(record_.model());
    }
    buzzLog_->show();
}

void Console::exportMatch() {
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

void Console::printScoreSheet() {
    record::printScoreSheetFlow(record_.model(), platform_);
}

boards::Board* Console::existingBoard(model::BoardChoice choice) {
    return boards_ ? boards_->existing(choice) : nullptr;
}

rf::XmitterCode& Console::xmitterCode() {
    if (!xmitterCode_) {
        xmitterCode_ = std::make_unique<rf::XmitterCode>(*this, link_, state_);
    }
    return *xmitterCode_;
}

rf::ChangeChannel& Console::changeChannel() {
    if (!changeChannel_) {
        changeChannel_ = std::make_unique<rf::ChangeChannel>(*this, link_, settings_, state_);
    }
    return *changeChannel_;
}

rf::PALevel& Console::paLevel() {
    if (!paLevel_) {
        paLevel_ = std::make_unique<rf::PALevel>(*this, link_, settings_, state_);
    }
    return *paLevel_;
}

void Console::showRadioDialog(setup::RadioDialog dialog) {
    switch (dialog) {
        case setup::RadioDialog::TransmitterCode:
            xmitterCode().open();
            break;
        case setup::RadioDialog::Channel:
            changeChannel().open();
            break;
        case setup::RadioDialog::PowerLevel:
            paLevel().open();
            break;
    }
}

}  // namespace app
