#include "record/EventJson.h"

#include <QJsonArray>
#include <array>
#include <span>
#include <type_traits>
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

// The position of a key in its list of names; none for a key this console does not know.
std::optional<int> indexOf(std::span<const char* const> names, const QJsonValue& key) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (key.toString() == QLatin1String(names[i])) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// A field of an event that holds one of a list of names: its key in the file, the names,
// and the event's value as the position in that list.
struct EnumField {
    const char* key;
    std::span<const char* const> names;
    int (*get)(const MatchEvent&);
    void (*set)(MatchEvent&, int);
};

template <auto Member>
constexpr int getField(const MatchEvent& e) {
    return static_cast<int>(e.*Member);
}

template <auto Member>
constexpr void setField(MatchEvent& e, int value) {
    e.*Member = static_cast<std::remove_reference_t<decltype(e.*Member)>>(value);
}

template <auto Member, std::size_t N>
constexpr EnumField enumField(const char* key, const std::array<const char*, N>& names) {
    return {key, names, &getField<Member>, &setField<Member>};
}

constexpr EnumField kBoardField = enumField<&MatchEvent::board>("board", kBoards);
constexpr EnumField kHolderField = enumField<&MatchEvent::holder>("holder", kHolders);
constexpr EnumField kHowField = enumField<&MatchEvent::how>("how", kHows);
constexpr EnumField kTimerField = enumField<&MatchEvent::timer>("timer", kTimers);
constexpr EnumField kClockField = enumField<&MatchEvent::clock>("clock", kClocks);

constexpr std::array kArmFields{kBoardField};
constexpr std::array kScoreFields{kBoardField, kHolderField, kHowField};
constexpr std::array kTimerFields{kTimerField};
constexpr std::array kClockFields{kClockField};

// The enum fields each kind of event carries.
std::span<const EnumField> enumFieldsOf(Kind kind) {
    switch (kind) {
        case Kind::Armed:
        case Kind::BoardChosen:
            return kArmFields;
        case Kind::ScoreChanged:
            return kScoreFields;
        case Kind::TimerStarted:
        case Kind::TimerExpired:
            return kTimerFields;
        case Kind::Clock:
            return kClockFields;
        default:
            return {};
    }
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
    QJsonObject o{{"t", static_cast<double>(e.wall)}, {"e", kindKey(e.kind)}};
    if (hasWho(e.kind)) {
        o.insert("who", whoJson(e.who));
        o.insert("at", stampJson(e.at));
    }
    for (const EnumField& field : enumFieldsOf(e.kind)) {
        o.insert(QLatin1String(field.key),
                 QString::fromLatin1(field.names[static_cast<std::size_t>(field.get(e))]));
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
            o.insert("partial", e.partial);
            o.insert("at", stampJson(e.at));
            break;
        case Kind::ScoreChanged:
            o.insert("index", e.index);
            o.insert("name", e.name);
            o.insert("old", e.oldText);
            o.insert("new", e.newText);
            break;
        case Kind::TimerStarted:
            o.insert("seconds", e.seconds);
            break;
        case Kind::Clock:
        case Kind::ModuleUnplugged:
            o.insert("text", e.text);
            break;
        case Kind::NameChanged:
            o.insert("index", e.index);
            o.insert("old", e.oldText);
            o.insert("new", e.newText);
            break;
        default:
            break;
    }
    return o;
}

std::optional<MatchEvent> fromJson(const QJsonObject& o) {
    const std::optional<int> kind = indexOf(kKinds, o.value("e"));
    if (!kind || !o.value("t").isDouble()) {
        return std::nullopt;
    }
    MatchEvent e;
    e.kind = static_cast<Kind>(*kind);
    e.wall = static_cast<std::int64_t>(o.value("t").toDouble());
    if (hasWho(e.kind)) {
        if (!o.value("who").isObject()) {
            return std::nullopt;
        }
        e.who = whoFrom(o.value("who").toObject());
        e.at = stampFrom(o.value("at"));
    }
    for (const EnumField& field : enumFieldsOf(e.kind)) {
        const std::optional<int> value = indexOf(field.names, o.value(QLatin1String(field.key)));
        if (!value) {
            return std::nullopt;  // a name this console does not know
        }
        field.set(e, *value);
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
        case Kind::Armed:
            e.partial = o.value("partial").toBool();
            e.at = stampFrom(o.value("at"));
            break;
        case Kind::ScoreChanged:
            if (!o.value("new").isString()) {
                return std::nullopt;
            }
            e.index = o.value("index").toInt();
            e.name = o.value("name").toString();
            e.oldText = o.value("old").toString();
            e.newText = o.value("new").toString();
            break;
        case Kind::TimerStarted:
        case Kind::TimerExpired:
            e.seconds = o.value("seconds").toInt();
            break;
        case Kind::Clock:
        case Kind::ModuleUnplugged:
            e.text = o.value("text").toString();
            break;
        case Kind::NameChanged:
            e.index = o.value("index").toInt();
            e.oldText = o.value("old").toString();
            e.newText = o.value("new").toString();
            break;
        default:
            break;
    }
    return e;
}

}  // namespace record
