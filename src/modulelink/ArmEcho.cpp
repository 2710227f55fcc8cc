#include "modulelink/ArmEcho.h"

#include <utility>

#include "modulelink/ModuleCommands.h"

namespace modulelink {

void ArmEcho::commandWritten(int command, ArrivalTime now) {
    if (command == command::kArm) {
        if (std::exchange(fenceNextArm_, false)) {
            // A module locked for longer than a poll has nothing on its way.
            const bool mayHaveLatched =
                !latchHeld_ && (armed_ || (lockedAt_ && now - *lockedAt_ < kWindow));
            fence_ = mayHaveLatched ? std::optional(now) : std::nullopt;
            // A lock just before the arm (the reset click's) ended the old question's
            // presses: what the module latched before it was on its way a poll after it.
            latchedUpTo_ = armed_ || !lockedAt_ ? now : *lockedAt_;
            rearmedAt_.reset();
        } else if (fence_ && !rearmedAt_) {
            rearmedAt_ = now;
        }
        armed_ = true;
        latchHeld_ = false;
    } else if (command == command::kLock || command == command::kStartUp) {
        if (armed_) {
            lockedAt_ = now;
        }
        armed_ = false;
        latchHeld_ = latchHeld_ && command == command::kLock;  // a lock keeps the latch
    }
}

}  // namespace modulelink
