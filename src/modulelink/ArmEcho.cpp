#include "modulelink/ArmEcho.h"

#include <utility>

#include "modulelink/ModuleCommands.h"

namespace modulelink {

void ArmEcho::commandWritten(const Written& w) {
    if (w.command == command::kArm) {
        if (std::exchange(fenceNextArm_, false)) {
            // A module locked for longer than a poll, or holding a press that was taken, has
            // nothing on its way, unless its reports still come back to back: a queue it
            // built while armed is draining.
            const bool draining = lockedAt_ && w.latestReport && w.at - *w.latestReport < kWindow;
            const bool mayHaveLatched =
                draining || (!latchHeld_ && (armed_ || (lockedAt_ && w.at - *lockedAt_ < kWindow)));
            fence_ = mayHaveLatched && !latchesOnArrival_ ? std::optional(w.at) : std::nullopt;
            // A lock just before the arm (the reset click's) ended the old question's
            // presses: what the module latched before it was on its way a poll after it.
            latchedUpTo_ = armed_ || !lockedAt_ ? w.at : *lockedAt_;
        }
        armed_ = true;
        armedAt_ = w.at;
        latchHeld_ = false;
    } else if (w.command == command::kLock || w.command == command::kStartUp) {
        if (armed_) {
            lockedAt_ = w.at;
        }
        armed_ = false;
        latchHeld_ = latchHeld_ && w.command == command::kLock;  // a lock keeps the latch
    }
}

}  // namespace modulelink
