#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace web {

// What the audience pages show: the board the console is showing, reduced to what a
// browser draws. Colours are "#rrggbb"; a mark names what a row's colour means.
struct AudienceState {
    enum class Mark { None, Ineligible, Responder, SecondResponder, Scoring };

    struct Row {
        QString name;
        QString score;
        Mark mark = Mark::None;
        bool operator==(const Row&) const = default;
    };

    // One buzz-in: who, for which team, and how long after the arm it came.
    struct LogRow {
        int number = 0;
        QString name;
        QString team;
        qint64 splitMs = -1;  // -1: not known
        bool operator==(const LogRow&) const = default;
    };

    QString board;  // "classic", "leader", "cutthroat", or empty before a board is shown
    QString title;
    QList<Row> rows;  // ranked as on the board
    QString responder;
    QString responderTeam;
    QString responderScore;  // the cut-throat board's own score of the responder
    QString secondResponder;
    QString timer;
    QString timerKind;
    QString clock;
    bool clockRunning = false;
    QString background = "#0000ff";
    QString text = "#c00000";
    QList<LogRow> log;

    bool operator==(const AudienceState&) const = default;
};

// The state as compact JSON, the one form every page and client reads.
QByteArray toJson(const AudienceState& state);

}  // namespace web
