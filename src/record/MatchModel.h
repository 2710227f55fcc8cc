#pragma once

#include <QMap>
#include <QObject>
#include <QVector>
#include <optional>

#include "model/MatchEvents.h"

namespace record {

// A press within one toss-up cycle: who, when it arrived, and its time in milliseconds
// (from the arm for the responder, behind the responder for the others).
struct Buzz {
    model::Contestant who;
    std::int64_t at = 0;
    double ms = 0;
};

// A score change while a cycle was current, with the points it gave (new minus old).
struct Points {
    model::MatchEvent change;
    int delta = 0;
};

// One toss-up cycle: an arm and everything up to the next arm.
struct Cycle {
    std::int64_t wall = 0;
    model::BoardChoice board = model::BoardChoice::Classic;
    bool partial = false;
    std::int64_t armedAt = 0;
    std::optional<Buzz> responder;
    std::optional<Buzz> second;
    bool handedOver = false;
    QVector<Buzz> later;    // further presses behind the responder
    QVector<Buzz> refused;  // presses refused (their team had answered)
    QVector<Points> points;
};

struct Team {
    int slot = 0;
    QString name;
    QVector<QString> players;  // five names
};

// What a score holder shows: the row or player name beside it and the score text.
struct ScoreEntry {
    QString name;
    QString text;
};

// The live match as the record knows it: teams and players, every score text on every
// board and in the players' list, the toss-up cycles with their buzzes and points, and
// the events in order. Views (the buzz log, the web pages, exports) read it, never the
// boards' widgets; `changed` tells them when to look again.
class MatchModel final : public QObject {
    Q_OBJECT
  public:
    void apply(const model::MatchEvent& event);
    void clear();

    std::int64_t startedAt() const { return startedAt_; }
    bool ended() const { return ended_; }
    model::BoardChoice board() const { return board_; }
    const QVector<Team>& teams() const { return teams_; }
    const QVector<Cycle>& cycles() const { return cycles_; }
    const QVector<model::MatchEvent>& events() const { return events_; }
    const QMap<QPair<int, int>, ScoreEntry>& scores() const { return scores_; }
    std::optional<ScoreEntry> score(model::ScoreHolder holder, int index) const;
    // A team's score as the board in use keeps it (the classic board by slot, the others
    // by the row that carries the team's name); "0" when none was ever given.
    QString teamScore(const Team& team) const;
    // A player's score in the players' list, found by name; "0" when none.
    QString playerScore(const QString& name) const;
    // Whether any score differs from zero.
    bool hasScores() const;

  signals:
    void changed();

  private:
    void applyScore(const model::MatchEvent& event);
    void applyName(const model::MatchEvent& event);
    Cycle* current() { return cycles_.isEmpty() ? nullptr : &cycles_.last(); }

    std::int64_t startedAt_ = 0;
    bool ended_ = false;
    model::BoardChoice board_ = model::BoardChoice::Classic;
    QVector<Team> teams_;
    QVector<Cycle> cycles_;
    QVector<model::MatchEvent> events_;
    QMap<QPair<int, int>, ScoreEntry> scores_;
};

}  // namespace record
