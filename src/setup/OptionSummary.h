#pragma once

#include <QString>

#include "model/MatchSettings.h"

namespace setup {

// The "Currently Selected Options List" of the set-up menu, each line ended by CR LF.
QString optionSummary(const model::MatchSettings& settings);

}  // namespace setup
