#include "record/EventJson.h"

#include <QJsonArray>
#include <array>
#include <utility>

namespace record {

using model::MatchEvent;
using Kind = model::MatchEvent::Kind;

namespace {

// Names as they stand in the files; the position in each list is the enum's value.
constexpr std::array kKinds{"begin",  "arm",      "press", "later",        "refused",
                            "second", "handover", "score", "timerStarted", "timerExpired",
                            "clock",  "board",    "name",  "unplugged",    "end"};
constexpr std::array kBoards{"leader", "classic", "cutThroat"};
constexpr std::array kHolders{"team", "leaderRow", "player"};
constexpr std::array kHows{"click", "typed", "sort", "erase", "swap"};
constexpr std::array kTimers{"tossUp", "bonus", "aux", "twenty", "timeOut"};
constexpr std::array kClocks{"started", "stopped", "expired", "set"};

template <typename Enum, std::size_t N>
QString keyOf(const std::array<const char*, N>& names, Enum value) {
    return QString::fromLatin1(names[static_cast<std::size_t>(value)]);
}

// The enum value a key names; none for a key this console does not know.
template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const std::array<const char*, N>& names, const QJsonValue& key) {
    for (std::size_t i = 0; i < N; ++i) {
        if (key.toString() == QLatin1String(names[i])) {
            return static_cast<Enum>(i);
        }
    }
    return std::nullopt;
}

bool hasWho(Kind kind) {
    return kind == Kind::PressTaken || kind == Kind::LaterPress || kind == Kind::PressRefused ||
           kind == Kind::SecondHeld || kind == Kind::HandedOver;
}

QJsonObject whoJson(const model::Contestant& who) {
    return {{"slot", who.teamSlot},   {"player", who.player},         {"team", who.teamName},
            {"name", who.playerName}, {"module", who.modulePosition}, {"model", who.moduleModel}};
}

model::Contestant whoFrom(const QJsonObject& o) {
    return {o.value("slot").toInt(-1),  o.value("player").toInt(), o.value("team").toString(),
            o.value("name").toString(), o.value("module").toInt(), o.value("model").toInt()};
}

// Nanosecond stamps exceed a double's exact range only after about 104 days of uptime;
// they travel as decimal text to stay exact.
QJsonValue stampJson(std::int64_t ns) {
    return QString::number(ns);
}

std::int64_t stampFrom(const QJsonValue& v) {
    return v.toString().toLongLong();
}

}  // namespace

QString kindKey(Kind kind) {
    return keyOf(kKinds, kind);
}
QString boardKey(model::BoardChoice board) {
    return keyOf(kBoards, board);
}
QString holderKey(model::ScoreHolder holder) {
    return keyOf(kHolders, holder);
}
QString howKey(model::ScoreHow how) {
    return keyOf(kHows, how);
}
QString timerKey(model::TimerKind timer) {
    return keyOf(kTimers, timer);
}
QString clockKey(model::ClockChange change) {
    return keyOf(kClocks, change);
}

QJsonObject toJson(const MatchEvent& e) {
    QJsonObject o{{"t", static_cast<double>(e.wall)}, {"e", keyOf(kKinds, e.kind)}};
    if (hasWho(e.kind)) {
        o.insert("who", whoJson(e.who));
        o.insert("at", stampJson(e.at));
    }
    switch (e.kind) {
        case Kind::Begin: {
            QJsonArray served;
            for (int slot : e.teamSlots) {
                served.append(slot);
            }
            o.insert("slots", served);
            o.insert("roster",
                     QJsonArray::fromStringList(QStringList(e.roster.begin(), e.roster.end())));
            break;
        }
        case Kind::Armed:
            o.insert("board", boardKey(e.board));
            o.insert("partial", e.partial);
            o.insert("at", stampJson(e.at));
            break;
        case Kind::ScoreChanged:
            o.insert("board", boardKey(e.board));
            o.insert("holder", holderKey(e.holder));
            o.insert("index", e.index);
            o.insert("name", e.name);
            o.insert("old", e.oldText);
            o.insert("new", e.newText);
            o.insert("how", howKey(e.how));
            break;
        case Kind::TimerStarted:
            o.insert("seconds", e.seconds);
            [[fallthrough]];
        case Kind::TimerExpired:
            o.insert("timer", timerKey(e.timer));
            break;
        case Kind::Clock:
            o.insert("clock", clockKey(e.clock));
            o.insert("text", e.text);
            break;
        case Kind::BoardChosen:
            o.insert("board", boardKey(e.board));
            break;
        case Kind::NameChanged:
            o.insert("index", e.index);
            o.insert("old", e.oldText);
            o.insert("new", e.newText);
            break;
        case Kind::ModuleUnplugged:
            o.insert("text", e.text);
            break;
        default:
            break;
    }
    return o;
}

std::optional<MatchEvent> fromJson(const QJsonObject& o) {
    const auto kind = valueOf<Kind>(kKinds, o.value("e"));
    if (!kind || !o.value("t").isDouble()) {
        return std::nullopt;
    }
    MatchEvent e;
    e.kind = *kind;
    e.wall = static_cast<std::int64_t>(o.value("t").toDouble());
    if (hasWho(e.kind)) {
        if (!o.value("who").isObject()) {
            return std::nullopt;
        }
        e.who = whoFrom(o.value("who").toObject());
        e.at = stampFrom(o.value("at"));
    }
    switch (e.kind) {
        case Kind::Begin:
            for (const QJsonValue& slot : o.value("slots").toArray()) {
                e.teamSlots.append(slot.toInt());
            }
            for (const QJsonValue& text : o.value("roster").toArray()) {
                e.roster.append(text.toString());
            }
            break;
        case Kind::Armed: {
            const auto board = valueOf<model::BoardChoice>(kBoards, o.value("board"));
            if (!board) {
                return std::nullopt;
            }
            e.board = *board;
            e.partial = o.value("partial").toBool();
            e.at = stampFrom(o.value("at"));
            break;
        }
        case Kind::ScoreChanged: {
            const auto board = valueOf<model::BoardChoice>(kBoards, o.value("board"));
            const auto holder = valueOf<model::ScoreHolder>(kHolders, o.value("holder"));
            const auto how = valueOf<model::ScoreHow>(kHows, o.value("how"));
            if (!board || !holder || !how || !o.value("new").isString()) {
                return std::nullopt;
            }
            e.board = *board;
            e.holder = *holder;
            e.how = *how;
            e.index = o.value("index").toInt();
            e.name = o.value("name").toString();
            e.oldText = o.value("old").toString();
            e.newText = o.value("new").toString();
            break;
        }
        case Kind::TimerStarted:
        case Kind::TimerExpired: {
            const auto timer = valueOf<model::TimerKind>(kTimers, o.value("timer"));
            if (!timer) {
                return std::nullopt;
            }
            e.timer = *timer;
            e.seconds = o.value("seconds").toInt();
            break;
        }
        case Kind::Clock: {
            const auto change = valueOf<model::ClockChange>(kClocks, o.value("clock"));
            if (!change) {
                return std::nullopt;
            }
            e.clock = *change;
            e.text = o.value("text").toString();
            break;
        }
        case Kind::BoardChosen: {
            const auto board = valueOf<model::BoardChoice>(kBoards, o.value("board"));
            if (!board) {
                return std::nullopt;
            }
            e.board = *board;
            break;
        }
        case Kind::NameChanged:
            e.index = o.value("index").toInt();
            e.oldText = o.value("old").toString();
            e.newText = o.value("new").toString();
            break;
        case Kind::ModuleUnplugged:
            e.text = o.value("text").toString();
            break;
        default:
            break;
    }
    return e;
}

}  // namespace record
