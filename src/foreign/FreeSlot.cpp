#include "foreign/FreeSlot.h"

namespace foreign {

int firstFreeSlot(const model::MatchState& state) {
    constexpr int kOneTeamSlots = 8;
    for (int slot = 1; slot <= kOneTeamSlots; ++slot) {
        if (state.teamModuleHandle[static_cast<std::size_t>(slot - 1)] == 0) {
            return slot;
        }
    }
    return kOneTeamSlots;
}

}  // namespace foreign
