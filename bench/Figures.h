#pragma once

#include <string>
#include <vector>

#include "engine/BoardPolicy.h"

namespace bench {

// Measurements of one figure, in its own unit.
struct Samples {
    std::vector<double> values;
    double median() const { return percentile(0.5); }
    double p99() const { return percentile(0.99); }
    double percentile(double p) const;
};

// Figures on the engine over virtual modules (no windows).
Samples pressToLockMs(const engine::BoardPolicy& policy, int rounds);
struct PairOutcome {
    int pairs = 0;
    int earlierWon = 0;
    int phantoms = 0;  // the later press of a pair buzzed in after the next arm
};
PairOutcome earlierOfTwoPresses(const engine::BoardPolicy& policy, int pairs, double gapMs);
Samples reportCheckMicros(int calls);
// Press to lock on a Buzz! dongle's team and a one-team module side by side, one run with
// presses on either at random: each press timed to the lock carried out for both.
struct ForeignLock {
    Samples buzzPressed;
    Samples modulePressed;
    int notTaken = 0;  // presses that never brought the lock (none expected)
};
ForeignLock pressToLockBesideBuzz(int rounds);
// CPU in % of one core: over the whole run, and each second of it.
struct CpuLoad {
    double wholeRun = 0;
    Samples perSecond;
};
CpuLoad idleCpuPercent(int seconds);
// A timer of that interval with nothing to do: what the machine charges for the wake-ups.
CpuLoad emptyTickCpuPercent(int seconds, int intervalMs);
struct PressOutcome {
    int presses = 0;
    int lost = 0;
    int misattributed = 0;
};
PressOutcome randomisedPresses(int presses, unsigned seed);

// Figures on the whole console (windows drawn offscreen): the classic board on three
// one-team modules or the leader board on ten, each press timed to the lock reaching every
// module and to the responder's name painted.
// With `livePages` of 0 or more the audience screen serves that many live pages (on a
// thread of their own), each press also timed to the last page's update.
struct BoardRounds {
    Samples locked;
    Samples painted;
    Samples pageUpdated;
};
BoardRounds pressesOnTheBoard(bool leaderBoard, int rounds, int livePages = -1);
// The audience server's own cost: its thread's CPU over `seconds` with the match clock
// running, and the program's resident memory, serving `livePages` live pages.
struct ServerCost {
    double cpuPercent = 0;
    double residentMb = 0;
};
ServerCost audienceServerCost(int livePages, int seconds);
// The classic board's polling tick while armed, over `seconds` with the match clock
// running and `livePages` live pages following it (none: the audience screen off): the gap
// from each tick to the next and the time each took.
struct TickFigures {
    Samples gapMs;
    Samples runMs;
};
TickFigures armedTicks(int livePages, int seconds);
Samples startToTitleScreenMs(int runs);
double residentMegabytes();

}  // namespace bench
