// What the engine tells the match record. Each call comes after the module commands of
// its step, so the record never delays a lock.
#include <QVector>
#include <algorithm>

#include "engine/BuzzEngine.h"
#include "engine/PressDecoder.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "modulelink/ModuleExchange.h"

namespace engine {

using Kind = model::MatchEvent::Kind;

void BuzzEngine::tellArm(bool partial) {
    model::MatchEvent e;
    e.kind = Kind::Armed;
    e.board = policy_.board;
    e.partial = partial;
    e.at = state_.armSentAt;
    state_.events->record(e);
}

void BuzzEngine::tellPress(Kind kind, const Press& press) {
    tellPress(kind, press, state_.respondingModule, state_.pressModel(), state_.responderArrival);
}

void BuzzEngine::tellPress(Kind kind, const Press& press, int position, std::int32_t pressModel,
                           std::int64_t arrival) {
    model::MatchEvent e;
    e.kind = kind;
    e.board = policy_.board;
    e.who = {press.team,
             press.player,
             settings_.rosterText[model::teamNameIndex(press.team)],
             settings_.rosterText[model::playerNameIndex(press.team, press.player)],
             position,
             pressModel};
    e.at = arrival;
    state_.events->record(e);
}

namespace {
// Every player pressed in one report. Buzz-in picks one of several buttons by a random
// number in [0, 1), each button on an equal share of that range (at most ten buttons), so
// ten evenly spread picks reach every one of them; the engine's own random numbers stay
// untouched.
QVector<Press> everyPress(const modulelink::WaitingPress& waiting) {
    constexpr int kPicks = 10;
    QVector<Press> presses;
    for (int k = 0; k < kPicks; ++k) {
        const auto press = decodePress(waiting.model, waiting.code, waiting.data4,
                                       [k] { return (k + 0.5) / kPicks; });
        const bool seen = std::any_of(presses.begin(), presses.end(), [&](const Press& p) {
            return press && p.team == press->team && p.player == press->player;
        });
        if (press && !seen) {
            presses.append(*press);
        }
    }
    return presses;
}
}  // namespace

// The presses queued behind the one taken (the lock is out, or polling stopped at the held
// second responder): buzz-in drops them, the record keeps who pressed and when, so the
// splits behind the responder can be shown. Told when polling stops and again at the next
// arm, for those that came in between; nothing when no press was taken since the last arm.
void BuzzEngine::tellLaterPresses() {
    if (state_.excludedModule == 0) {
        return;
    }
    for (const modulelink::WaitingPress& waiting : modules_.takeWaitingPresses()) {
        for (const Press& press : everyPress(waiting)) {
            tellPress(Kind::LaterPress, press, waiting.position, waiting.model, waiting.arrival);
        }
    }
}

void BuzzEngine::tellHandOver() {
    model::MatchEvent e;
    e.kind = Kind::HandedOver;
    e.board = policy_.board;
    state_.events->record(e);
}

void BuzzEngine::tellTimer(Kind kind, model::TimerKind timer) {
    if (kind == Kind::TimerStarted) {
        countKind_ = timer;
    }
    model::MatchEvent e;
    e.kind = kind;
    e.board = policy_.board;
    e.timer = timer;
    e.seconds = kind == Kind::TimerStarted ? ndigit1_ : 0;
    state_.events->record(e);
}

void BuzzEngine::tellClock(model::ClockChange change) {
    model::MatchEvent e;
    e.kind = Kind::Clock;
    e.board = policy_.board;
    e.clock = change;
    e.text = view_.clockCaption();
    state_.events->record(e);
}

}  // namespace engine
