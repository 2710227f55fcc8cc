#pragma once

#include <QStringList>

#include "WindowHarness.h"

namespace test {

// Data1 of a one-team interface serving team slot `slot` (0..6) with `player` pressed.
inline int oneTeamData1(int slot, int player) {
    const int bit = player == 5 ? 0 : player;
    return (224 - 32 * slot) | (31 ^ (1 << bit));
}

// A press on the module at `position`, then one polling interval of the ten-row boards.
inline void pressAndPoll(WindowHarness& h, int position, int slot, int player) {
    h.modules->press(position, oneTeamData1(slot, player));
    h.clock.advanceMs(10);
}

}  // namespace test
