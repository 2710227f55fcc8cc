#pragma once

#include <QList>

#include "record/MatchModel.h"
#include "web/AudienceState.h"

namespace app {

// The buzz-ins of `match` as the log page lists them, numbered in order: each cycle's
// responder and, when the held second responder was handed the turn, that one too, with
// the time from the arm; the newest `maxRows` of them.
QList<web::AudienceState::LogRow> audienceLog(const record::MatchModel& match, int maxRows);

}  // namespace app
