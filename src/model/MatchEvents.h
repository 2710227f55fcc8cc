#pragma once

#include <QString>
#include <QVector>
#include <cstdint>

#include "model/MatchSettings.h"

namespace model {

// Who pressed: the team slot and player the press decoded to, their names at that moment,
// and the module it came from (1-based position, model number).
struct Contestant {
    int teamSlot = -1;
    int player = 0;
    QString teamName;
    QString playerName;
    int modulePosition = 0;
    int moduleModel = 0;
};

// Which score text changed. A team slot is the set-up menu's score of that slot (the
// classic board's scores); rows are the leader board's ten rows; the player list is the
// all-players window's rows (the cut-throat board shows its top ten).
enum class ScoreHolder { TeamSlot, LeaderRow, PlayerList };
enum class ScoreHow { Click, Typed, Sort, Erase, Swap };

enum class TimerKind { TossUp, Bonus, Aux, Twenty, TimeOut };
enum class ClockChange { Started, Stopped, Expired, Set };

// One thing that happened in a match. Only the fields of its kind are used.
struct MatchEvent {
    enum class Kind {
        Begin,            // roster: the served teams with their players
        Armed,            // board, partial, at (the arm's module clock time)
        PressTaken,       // who, at (arrival)
        LaterPress,       // who, at: a press behind the taken one within the same arm
        PressRefused,     // who, at
        SecondHeld,       // who, at
        HandedOver,       // who
        ScoreChanged,     // board, holder, index, name, oldText, newText, how
        TimerStarted,     // timer, seconds
        TimerExpired,     // timer
        Clock,            // clock, text
        BoardChosen,      // board
        NameChanged,      // index (roster entry), oldText, newText
        ModuleUnplugged,  // text (the interface's name)
        Ended,
    };
    Kind kind = Kind::Begin;
    std::int64_t wall = 0;  // when it was recorded: milliseconds since the epoch, UTC
    BoardChoice board = BoardChoice::Classic;
    bool partial = false;
    Contestant who;
    std::int64_t at = 0;  // nanoseconds on the module arrival clock
    ScoreHolder holder = ScoreHolder::TeamSlot;
    int index = 0;
    QString name;
    QString oldText;
    QString newText;
    ScoreHow how = ScoreHow::Click;
    TimerKind timer = TimerKind::TossUp;
    int seconds = 0;
    ClockChange clock = ClockChange::Started;
    QString text;
    // Begin: the team slots in play, each followed by its name and five player names.
    QVector<int> teamSlots;
    QVector<QString> roster;
};

// Told what happened in the match, after it happened (never on the way from a press to
// its lock). The journal records it; a console without a record tells nobody.
class MatchEvents {
  public:
    virtual ~MatchEvents() = default;
    virtual void record(const MatchEvent& event) = 0;
    // Scores may have changed (a click, a sort, typing, erase, swap): the record looks at
    // every score and records those that differ.
    virtual void scoresTouched(ScoreHow how) { (void)how; }
};

// Events made in one line by the windows that tell them.
MatchEvent nameChanged(int rosterIndex, const QString& oldText, const QString& newText);
MatchEvent boardChosen(BoardChoice board);
MatchEvent moduleUnplugged(const QString& name);
MatchEvent consoleEnded();

// The listener of a console that keeps no record.
MatchEvents& noMatchEvents();

}  // namespace model
