// What the engine tells the match record. Each call comes after the module commands of
// its step, so the record never delays a lock.
#include "engine/BuzzEngine.h"
#include "engine/PressDecoder.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"

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
    model::MatchEvent e;
    e.kind = kind;
    e.board = policy_.board;
    e.who = {press.team,
             press.player,
             settings_.rosterText[model::teamNameIndex(press.team)],
             settings_.rosterText[model::playerNameIndex(press.team, press.player)],
             state_.respondingModule,
             state_.pressModel()};
    e.at = state_.responderArrival;
    state_.events->record(e);
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
