#include "record/MatchModel.h"

#include "model/LeadingNumber.h"

namespace record {

using model::MatchEvent;
using Kind = model::MatchEvent::Kind;

namespace {
constexpr double kNsPerMs = 1e6;
constexpr int kPlayersPerTeam = 5;

double msBetween(std::int64_t from, std::int64_t to) {
    return static_cast<double>(to - from) / kNsPerMs;
}

QPair<int, int> keyOf(model::ScoreHolder holder, int index) {
    return {static_cast<int>(holder), index};
}
}  // namespace

void MatchModel::clear() {
    startedAt_ = 0;
    ended_ = false;
    board_ = model::BoardChoice::Classic;
    teams_.clear();
    cycles_.clear();
    events_.clear();
    scores_.clear();
    emit changed();
}

void MatchModel::apply(const MatchEvent& event) {
    events_.append(event);
    Cycle* cycle = current();
    const auto buzzFrom = [&](std::int64_t origin) {
        return Buzz{event.who, event.at, msBetween(origin, event.at)};
    };
    switch (event.kind) {
        case Kind::Begin:
            startedAt_ = event.wall;
            teams_.clear();
            for (qsizetype t = 0; t < event.teamSlots.size(); ++t) {
                const qsizetype first = 6 * t;  // a team's name, then its players
                Team team{event.teamSlots[t], event.roster.value(first), {}};
                for (int p = 1; p <= kPlayersPerTeam; ++p) {
                    team.players.append(event.roster.value(first + p));
                }
                teams_.append(team);
            }
            break;
        case Kind::Armed:
            cycles_.append(
                Cycle{event.wall, event.board, event.partial, event.at, {}, {}, false, {}, {}, {}});
            break;
        case Kind::PressTaken:
            if (cycle == nullptr) {
                break;  // a press before any arm is recorded as an event only
            }
            if (cycle->handedOver && cycle->second) {
                break;  // the held second responder replayed: already recorded
            }
            if (!cycle->responder) {
                cycle->responder = buzzFrom(cycle->armedAt);
            } else {
                cycle->later.append(buzzFrom(cycle->responder->at));
            }
            break;
        case Kind::LaterPress:
        case Kind::SecondHeld:
        case Kind::PressRefused:
            if (cycle == nullptr) {
                break;
            }
            {
                const std::int64_t origin =
                    cycle->responder ? cycle->responder->at : cycle->armedAt;
                const Buzz buzz = buzzFrom(origin);
                if (event.kind == Kind::PressRefused) {
                    cycle->refused.append(buzz);
                } else if (event.kind == Kind::SecondHeld && !cycle->second) {
                    cycle->second = buzz;
                } else {
                    cycle->later.append(buzz);
                }
            }
            break;
        case Kind::HandedOver:
            if (cycle != nullptr) {
                cycle->handedOver = true;
            }
            break;
        case Kind::ScoreChanged:
            applyScore(event);
            break;
        case Kind::BoardChosen:
            board_ = event.board;
            break;
        case Kind::NameChanged:
            applyName(event);
            break;
        case Kind::Ended:
            ended_ = true;
            break;
        case Kind::TimerStarted:
        case Kind::TimerExpired:
        case Kind::Clock:
        case Kind::ModuleUnplugged:
            break;
    }
    emit changed();
}

void MatchModel::applyScore(const MatchEvent& event) {
    scores_[keyOf(event.holder, event.index)] = {event.name, event.newText};
    const bool given = event.how == model::ScoreHow::Click || event.how == model::ScoreHow::Typed;
    if (given && current() != nullptr) {
        current()->points.append(
            {event, model::leadingInt16(event.newText) - model::leadingInt16(event.oldText)});
    }
}

void MatchModel::applyName(const MatchEvent& event) {
    const int slot = event.index / 6;
    const int entry = event.index % 6;
    for (Team& team : teams_) {
        if (team.slot != slot) {
            continue;
        }
        if (entry == 0) {
            team.name = event.newText;
        } else if (entry - 1 < team.players.size()) {
            team.players[entry - 1] = event.newText;
        }
    }
}

std::optional<ScoreEntry> MatchModel::score(model::ScoreHolder holder, int index) const {
    const auto found = scores_.constFind(keyOf(holder, index));
    if (found == scores_.constEnd()) {
        return std::nullopt;
    }
    return *found;
}

QString MatchModel::teamScore(const Team& team) const {
    if (board_ == model::BoardChoice::Leader) {
        for (auto it = scores_.cbegin(); it != scores_.cend(); ++it) {
            if (it.key().first == static_cast<int>(model::ScoreHolder::LeaderRow) &&
                it->name == team.name) {
                return it->text;
            }
        }
        return QStringLiteral("0");
    }
    const auto entry = score(model::ScoreHolder::TeamSlot, team.slot);
    return entry ? entry->text : QStringLiteral("0");
}

QString MatchModel::playerScore(const QString& name) const {
    for (auto it = scores_.cbegin(); it != scores_.cend(); ++it) {
        if (it.key().first == static_cast<int>(model::ScoreHolder::PlayerList) &&
            it->name == name) {
            return it->text;
        }
    }
    return QStringLiteral("0");
}

bool MatchModel::hasScores() const {
    for (const ScoreEntry& entry : scores_) {
        if (model::leadingInt16(entry.text) != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace record
