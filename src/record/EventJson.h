#pragma once

#include <QJsonObject>
#include <optional>

#include "model/MatchEvents.h"

namespace record {

// One match event as one JSON object, the form a journal line and the JSON export take.
QJsonObject toJson(const model::MatchEvent& event);
// The event a JSON object describes; none when its kind is unknown (a newer console's) or
// a field has the wrong type.
std::optional<model::MatchEvent> fromJson(const QJsonObject& object);

QString kindKey(model::MatchEvent::Kind kind);
QString boardKey(model::BoardChoice board);
QString holderKey(model::ScoreHolder holder);
QString howKey(model::ScoreHow how);
QString timerKey(model::TimerKind timer);
QString clockKey(model::ClockChange change);

}  // namespace record
