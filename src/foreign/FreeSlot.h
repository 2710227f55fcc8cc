#pragma once

#include "model/MatchState.h"

namespace foreign {

// The first team slot no module serves yet, among those a one-team module can name (1..8);
// 8 when all are served (the operator sees two modules on one slot in the start-up list).
int firstFreeSlot(const model::MatchState& state);

}  // namespace foreign
