#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "record/MatchModel.h"

namespace record {

// CSV: one row per buzz (responder, second responder, later and refused presses) and one
// per score change, in the order they happened.
QByteArray csvOf(const MatchModel& match);
// JSON: the whole match, teams, cycles and every event.
QByteArray jsonOf(const MatchModel& match);
// QBJ (the quiz bowl tournament schema) for a match of exactly two teams; none otherwise.
// A question is a full arm with the partial re-arms after it; each responder is a buzz
// whose result is the first points its team got while it held the floor; further points
// to the team that answered last are the question's bonus.
std::optional<QByteArray> qbjOf(const MatchModel& match);
// Writes the CSV to `csvPath` and the JSON (and QBJ for two teams) beside it, with the same
// name; an empty text, or what went wrong.
QString exportMatch(const MatchModel& match, const QString& csvPath);

// The operator's question at start when the last match did not end properly.
QString resumeQuestion(const MatchModel& match, const QStringList& skipped);

// "Owls 10, Larks 5": the teams' (or on the cut-throat board the players') scores.
QStringList scoreLines(const MatchModel& match);
QString wallText(std::int64_t wall);

}  // namespace record
