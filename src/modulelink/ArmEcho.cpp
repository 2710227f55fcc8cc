#include "modulelink/ArmEcho.h"

#include <utility>

#include "modulelink/ModuleCommands.h"

namespace modulelink {

void ArmEcho::commandWritten(const Written& w) {
    if (w.command == command::kArm) {
        if (std::exchange(fenceNextArm_, false)) {
            // A module locked for longer than a poll has nothing on its way, unless its
            // reports still come back to back: a queue it built while armed is draining.
            const bool draining = lockedAt_ && w.latestReport && w.at - *w.latestReport < kWindow;
            const bool mayHaveLatched =
                armed_ || (lockedAt_ && w.at - *lockedAt_ < kWindow) || draining;
            fence_ = mayHaveLatched ? std::optional(w.at) : std::nullopt;
            rearmedAt_.reset();
        } else if (fence_ && !rearmedAt_ && !w.settling) {
            rearmedAt_ = w.at;
        }
        armed_ = true;
    } else if (w.command == command::kLock || w.command == command::kStartUp) {
        if (armed_) {
            lockedAt_ = w.at;
        }
        armed_ = false;
    }
}

}  // namespace modulelink
