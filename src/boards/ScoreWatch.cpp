#include "boards/ScoreWatch.h"

#include "boards/BoardSet.h"

namespace boards {

using model::ScoreHolder;

ScoreWatch::ScoreWatch(const BoardSet& boards, const SetupMenuLink& menu,
                       const model::MatchSettings& settings, model::MatchState& state)
    : boards_(boards), menu_(menu), settings_(settings), state_(state) {}

ScoreWatch::Scores ScoreWatch::current() const {
    Scores scores;
    const auto put = [&](ScoreHolder holder, int index, const QString& name, const QString& text) {
        scores.insert({static_cast<int>(holder), index}, {name, text});
    };
    for (int slot = 0; slot < model::kTeamSlots; ++slot) {
        const int box = model::teamNameIndex(slot);
        if (menu_.nameBoxEnabled(box)) {
            put(ScoreHolder::TeamSlot, slot, settings_.rosterText[box], menu_.scoreCaption(slot));
        }
    }
    if (const LeaderBoard* leader = boards_.leaderIfMade()) {
        for (int row = 0; row < leader->rowCount(); ++row) {
            if (leader->rowCaption(row) != QStringLiteral("\n")) {
                put(ScoreHolder::LeaderRow, row, leader->rowCaption(row),
                    leader->SLabel(row).caption());
            }
        }
    }
    if (const CutThroat* cutThroat = boards_.cutThroatIfMade()) {
        const ShowAll& list = cutThroat->showAll();
        for (int k = 0; k < list.playerCount(); ++k) {
            put(ScoreHolder::PlayerList, k, list.NameLabel[k]->caption(),
                list.ScoreText[k]->text());
        }
    }
    return scores;
}

void ScoreWatch::look(model::ScoreHow how) {
    const Scores now = current();
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto before = last_.constFind(it.key());
        if (before != last_.cend() && *before == *it) {
            continue;
        }
        model::MatchEvent e;
        e.kind = model::MatchEvent::Kind::ScoreChanged;
        e.board = settings_.boardChoice();
        e.holder = static_cast<ScoreHolder>(it.key().first);
        e.index = it.key().second;
        e.name = it->name;
        e.oldText = before != last_.cend() ? before->text : QString();
        e.newText = it->text;
        e.how = how;
        state_.events->record(e);
    }
    last_ = now;
}

}  // namespace boards
