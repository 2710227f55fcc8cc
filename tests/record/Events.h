#pragma once

#include "model/MatchEvents.h"

namespace test {

// Events as the engine and the boards make them, for feeding a match model or a journal.
inline model::MatchEvent beginEvent(std::int64_t wall, const QVector<int>& teamSlots,
                                    const QVector<QString>& roster) {
    model::MatchEvent e;
    e.kind = model::MatchEvent::Kind::Begin;
    e.wall = wall;
    e.teamSlots = teamSlots;
    e.roster = roster;
    return e;
}

inline model::MatchEvent armEvent(std::int64_t atMs, bool partial = false) {
    model::MatchEvent e;
    e.kind = model::MatchEvent::Kind::Armed;
    e.at = atMs * 1'000'000;
    e.partial = partial;
    return e;
}

inline model::MatchEvent pressEvent(model::MatchEvent::Kind kind, int slot, int player,
                                    std::int64_t atUs) {
    model::MatchEvent e;
    e.kind = kind;
    e.who = {slot,
             player,
             QStringLiteral("Team %1").arg(slot),
             QStringLiteral("P%1").arg(player),
             slot / 2 + 1,
             2012};
    e.at = atUs * 1000;
    return e;
}

inline model::MatchEvent scoreEvent(model::ScoreHolder holder, int index, const QString& name,
                                    const QString& oldText, const QString& newText,
                                    model::ScoreHow how = model::ScoreHow::Click) {
    model::MatchEvent e;
    e.kind = model::MatchEvent::Kind::ScoreChanged;
    e.holder = holder;
    e.index = index;
    e.name = name;
    e.oldText = oldText;
    e.newText = newText;
    e.how = how;
    return e;
}

}  // namespace test
