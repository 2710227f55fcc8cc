#include "app/AudienceLog.h"

#include <cmath>

namespace app {
namespace {

web::AudienceState::LogRow logRow(int number, const record::Buzz& buzz, double msFromArm) {
    const model::Contestant& who = buzz.who;
    return {number, who.playerName.isEmpty() ? who.teamName : who.playerName, who.teamName,
            std::llround(msFromArm)};
}

}  // namespace

QList<web::AudienceState::LogRow> audienceLog(const record::MatchModel& match, int maxRows) {
    QList<web::AudienceState::LogRow> rows;
    int number = 0;
    for (const record::Cycle& cycle : match.cycles()) {
        if (!cycle.responder) {
            continue;
        }
        rows.append(logRow(++number, *cycle.responder, cycle.responder->ms));
        if (cycle.handedOver && cycle.second) {
            // The second's time runs from the responder's press.
            rows.append(logRow(++number, *cycle.second, cycle.responder->ms + cycle.second->ms));
        }
    }
    if (rows.size() > maxRows) {
        rows.remove(0, rows.size() - maxRows);
    }
    return rows;
}

}  // namespace app
