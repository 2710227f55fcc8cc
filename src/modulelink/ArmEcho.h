#pragma once

#include <optional>

#include "modulelink/HidTransport.h"

namespace modulelink {

// A press that a module latched just before the operator's arm may still be on its way when
// the arm goes out, and reach the console after it. The module's idle answer to the arm
// follows such a press one poll later, while a press made after the arm is followed by
// nothing. What a module was told, and when, says which presses are in doubt. An engine
// re-arm soon after (a refusal) brings an answer too, which nothing tells from the arm's:
// a press in doubt with any answer behind it never counts.
class ArmEcho {
  public:
    // A poll interval and the arm's own frame, with room to spare.
    static constexpr ArrivalTime kWindow = kBackToBack;
    // An RF settling window re-arms every 2 ms for 200 ms: its presses and answers can queue
    // some 200 reports, about 2 s of a 10 ms poll. A module whose reports still come back to
    // back longer after the arm is out of order: its presses count as they come, rather than
    // never.
    static constexpr ArrivalTime kLongestBacklog = std::chrono::seconds(3);

    // A command as it goes out to the module.
    struct Written {
        int command = 0;
        ArrivalTime at{0};
        // When the module's latest report arrived: its queue may still be draining.
        std::optional<ArrivalTime> latestReport;
    };

    // Another maker's buzzer latches on the console, as its report arrives, under every arm
    // written before: nothing of it is ever in doubt.
    void setLatchesOnArrival(bool on) { latchesOnArrival_ = on; }
    // The next arm is the operator's: it starts a new question.
    void fenceNextArm() { fenceNextArm_ = true; }
    bool nextArmIsTheOperators() const { return fenceNextArm_; }
    void commandWritten(const Written& written);
    // A press was taken from the module. One that came a poll after the module's last arm
    // (its run of reports began then) was latched under that arm and stays latched until
    // the next, so nothing else it latched can be on its way then. An earlier one may have
    // been cleared by that arm already.
    void pressTaken(ArrivalTime streamStart) {
        latchHeld_ = armed_ && streamStart - armedAt_ >= kWindow;
    }

    // When the module's reports began to come back to back, up to a press: counting the
    // reports that reads ask for, and counting reports of any kind (a status report
    // answering a command takes a poll too).
    struct Stream {
        ArrivalTime start{0};
        ArrivalTime anyKindStart{0};
    };

    // Whether a press that arrived then may have been latched before the operator's arm:
    // it came within a poll of the moment the module stopped latching for the question
    // before (the arm, or the lock written just before it), or behind reports that came
    // back to back since, which the module had queued before then.
    bool inDoubt(ArrivalTime arrival, Stream stream) const {
        return fence_ && arrival >= *fence_ && arrival - *fence_ < kLongestBacklog &&
               queuedSince(stream) - latchedUpTo_ < kWindow;
    }

  private:
    // Reports of any kind back to back since before the module stopped latching are its
    // queue from then; after that, the console's own commands' status reports say nothing
    // of what it had queued, and the run counts from the first report reads ask for.
    ArrivalTime queuedSince(Stream s) const {
        return s.anyKindStart < latchedUpTo_ ? s.anyKindStart : s.start;
    }

    bool armed_ = false;                   // by the last command written
    ArrivalTime armedAt_{0};               // when the last arm was written
    std::optional<ArrivalTime> lockedAt_;  // when a lock last ended an arm
    bool fenceNextArm_ = false;
    bool latchesOnArrival_ = false;
    bool latchHeld_ = false;
    std::optional<ArrivalTime> fence_;  // the operator's arm, while a press may be in doubt
    ArrivalTime latchedUpTo_{0};        // the last moment a press from before could latch
};

}  // namespace modulelink
