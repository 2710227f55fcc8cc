#include "record/Exports.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "model/LeadingNumber.h"
#include "record/EventJson.h"

namespace record {

using Kind = model::MatchEvent::Kind;

namespace {

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString msText(double ms) {
    return QString::number(ms, 'f', 3);
}

// The team slot a score holder belongs to, or -1.
int teamOfScore(const MatchModel& match, const model::MatchEvent& change) {
    if (change.holder == model::ScoreHolder::TeamSlot) {
        return change.index;
    }
    for (const Team& team : match.teams()) {
        if (change.holder == model::ScoreHolder::LeaderRow && team.name == change.name) {
            return team.slot;
        }
        if (change.holder == model::ScoreHolder::PlayerList && team.players.contains(change.name)) {
            return team.slot;
        }
    }
    return -1;
}

bool writeFile(const QString& path, const QByteArray& bytes, QString& problem) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        problem += QStringLiteral("%1 could not be written: %2\r\n").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

QString wallText(std::int64_t wall) {
    return QDateTime::fromMSecsSinceEpoch(wall).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QByteArray csvOf(const MatchModel& match) {
    QStringList rows{
        QStringLiteral("time,cycle,kind,team,player,module,ms,board,holder,name,old,new,how")};
    int cycle = 0;
    const auto buzzRow = [&](std::int64_t wall, const QString& kind, const model::MatchEvent& e) {
        rows << QStringList{wallText(wall),
                            QString::number(cycle),
                            kind,
                            csvField(e.who.teamName),
                            csvField(e.who.playerName),
                            QString::number(e.who.modulePosition)}
                    .join(QLatin1Char(','));
    };
    // Buzz times come from the cycles, which know the arm and the responder.
    const QVector<Cycle>& cycles = match.cycles();
    int buzzInCycle = 0;
    bool handingOver = false;
    for (const model::MatchEvent& e : match.events()) {
        switch (e.kind) {
            case Kind::Armed:
                ++cycle;
                buzzInCycle = 0;
                break;
            case Kind::HandedOver:
                handingOver = true;
                break;
            case Kind::PressTaken:
            case Kind::SecondHeld:
            case Kind::LaterPress:
            case Kind::PressRefused: {
                // The held second responder's turn comes as its press replayed.
                buzzRow(e.wall, handingOver ? kindKey(Kind::HandedOver) : kindKey(e.kind), e);
                handingOver = false;
                double ms = 0;
                if (cycle > 0 && cycle <= cycles.size()) {
                    const Cycle& c = cycles[cycle - 1];
                    const std::int64_t origin =
                        buzzInCycle == 0 || !c.responder ? c.armedAt : c.responder->at;
                    ms = static_cast<double>(e.at - origin) / 1e6;
                }
                ++buzzInCycle;
                rows.last() += QLatin1Char(',') + msText(ms) + QStringLiteral(",,,,,,");
                break;
            }
            case Kind::ScoreChanged:
                rows << QStringList{wallText(e.wall),
                                    QString::number(cycle),
                                    QStringLiteral("score"),
                                    {},
                                    {},
                                    {},
                                    {},
                                    boardKey(e.board),
                                    holderKey(e.holder),
                                    csvField(e.name),
                                    csvField(e.oldText),
                                    csvField(e.newText),
                                    howKey(e.how)}
                            .join(QLatin1Char(','));
                break;
            default:
                break;
        }
    }
    return (rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray jsonOf(const MatchModel& match) {
    QJsonArray teams;
    for (const Team& team : match.teams()) {
        teams.append(QJsonObject{{"slot", team.slot},
                                 {"name", team.name},
                                 {"players", QJsonArray::fromStringList(QStringList(
                                                 team.players.begin(), team.players.end()))},
                                 {"score", match.teamScore(team)}});
    }
    QJsonArray events;
    for (const model::MatchEvent& e : match.events()) {
        events.append(toJson(e));
    }
    const QJsonObject whole{{"started", static_cast<double>(match.startedAt())},
                            {"ended", match.ended()},
                            {"board", boardKey(match.board())},
                            {"teams", teams},
                            {"events", events}};
    return QJsonDocument(whole).toJson(QJsonDocument::Indented);
}

std::optional<QByteArray> qbjOf(const MatchModel& match) {
    if (match.teams().size() != 2) {
        return std::nullopt;
    }
    const auto teamId = [](int slot) { return QStringLiteral("team_%1").arg(slot + 1); };
    const auto playerId = [](int slot, int player) {
        return QStringLiteral("player_%1_%2").arg(slot + 1).arg(player);
    };
    const auto ref = [](const QString& id) { return QJsonObject{{"$ref", id}}; };

    struct TeamTally {
        int bonus = 0;
        QMap<int, QMap<int, int>> answers;  // player -> value -> count
    };
    QMap<int, TeamTally> tally;
    QJsonArray questions;
    int questionCount = 0;
    QJsonArray buzzes;
    int bonus = 0;
    const auto closeQuestion = [&] {
        if (questionCount > 0) {
            QJsonObject q{{"question_number", questionCount}, {"buzzes", buzzes}};
            q.insert("bonus_points", bonus);
            questions.append(q);
        }
        buzzes = {};
        bonus = 0;
    };
    // One responder's turn: its result is the first points its team got during the turn.
    const auto turn = [&](const Buzz& buzz, const QVector<Points>& points, int& lastTeam) {
        const int slot = buzz.who.teamSlot;
        int result = 0;
        bool resulted = false;
        for (const Points& p : points) {
            if (teamOfScore(match, p.change) != slot || p.delta == 0) {
                continue;
            }
            if (!resulted) {
                result = p.delta;
                resulted = true;
            } else if (p.delta > 0) {
                bonus += p.delta;
                tally[slot].bonus += p.delta;
            }
        }
        ++tally[slot].answers[buzz.who.player][result];
        buzzes.append(QJsonObject{{"team", ref(teamId(slot))},
                                  {"player", ref(playerId(slot, buzz.who.player))},
                                  {"result", QJsonObject{{"value", result}}}});
        lastTeam = slot;
    };
    for (const Cycle& c : match.cycles()) {
        if (!c.partial) {
            closeQuestion();
            ++questionCount;
        }
        if (!c.responder) {
            continue;
        }
        int lastTeam = -1;
        if (c.handedOver && c.second) {
            // Points before the hand-over went to nobody (none were given, or it would not
            // have been handed over); the second responder's turn takes them all.
            turn(*c.second, c.points, lastTeam);
            buzzes.insert(0, QJsonObject{{"team", ref(teamId(c.responder->who.teamSlot))},
                                         {"player", ref(playerId(c.responder->who.teamSlot,
                                                                 c.responder->who.player))},
                                         {"result", QJsonObject{{"value", 0}}}});
            ++tally[c.responder->who.teamSlot].answers[c.responder->who.player][0];
        } else {
            turn(*c.responder, c.points, lastTeam);
        }
    }
    closeQuestion();

    QJsonArray objects;
    QJsonArray registrations;
    QJsonArray matchTeams;
    for (const Team& team : match.teams()) {
        QJsonArray players;
        QJsonArray matchPlayers;
        for (int p = 1; p <= team.players.size(); ++p) {
            if (team.players[p - 1].trimmed().isEmpty()) {
                continue;
            }
            players.append(
                QJsonObject{{"id", playerId(team.slot, p)}, {"name", team.players[p - 1]}});
            QJsonArray counts;
            const QMap<int, int> answers = tally[team.slot].answers.value(p);
            for (auto it = answers.cbegin(); it != answers.cend(); ++it) {
                counts.append(QJsonObject{{"number", it.value()},
                                          {"answer_type", QJsonObject{{"value", it.key()}}}});
            }
            matchPlayers.append(QJsonObject{{"player", ref(playerId(team.slot, p))},
                                            {"tossups_heard", questionCount},
                                            {"answer_counts", counts}});
        }
        registrations.append(QJsonObject{
            {"id", QStringLiteral("registration_%1").arg(team.slot + 1)},
            {"type", "Registration"},
            {"name", team.name},
            {"teams", QJsonArray{QJsonObject{
                          {"id", teamId(team.slot)}, {"name", team.name}, {"players", players}}}}});
        matchTeams.append(QJsonObject{{"team", ref(teamId(team.slot))},
                                      {"bonus_points", tally[team.slot].bonus},
                                      {"match_players", matchPlayers}});
    }
    for (const QJsonValue& r : registrations) {
        objects.append(r);
    }
    objects.append(QJsonObject{{"id", "match_1"},
                               {"type", "Match"},
                               {"tossups_read", questionCount},
                               {"match_teams", matchTeams},
                               {"match_questions", questions}});
    QJsonArray registrationRefs;
    for (const QJsonValue& r : registrations) {
        registrationRefs.append(ref(r.toObject().value("id").toString()));
    }
    objects.append(QJsonObject{
        {"type", "Tournament"},
        {"name", QStringLiteral("Match of %1").arg(wallText(match.startedAt()))},
        {"registrations", registrationRefs},
        {"phases",
         QJsonArray{QJsonObject{
             {"name", "Match"},
             {"rounds", QJsonArray{QJsonObject{{"name", "Round 1"},
                                               {"matches", QJsonArray{ref("match_1")}}}}}}}}});
    return QJsonDocument(QJsonObject{{"version", "2.1.1"}, {"objects", objects}})
        .toJson(QJsonDocument::Indented);
}

QString exportMatch(const MatchModel& match, const QString& csvPath) {
    const QFileInfo info(csvPath);
    const QString base = info.dir().filePath(info.completeBaseName());
    QString problem;
    writeFile(csvPath, csvOf(match), problem);
    writeFile(base + QStringLiteral(".json"), jsonOf(match), problem);
    if (const auto qbj = qbjOf(match)) {
        writeFile(base + QStringLiteral(".qbj"), *qbj, problem);
    }
    return problem;
}

QStringList scoreLines(const MatchModel& match) {
    QStringList lines;
    if (match.board() == model::BoardChoice::CutThroat) {
        for (const Team& team : match.teams()) {
            for (const QString& player : team.players) {
                if (!player.trimmed().isEmpty()) {
                    lines << QStringLiteral("%1: %2").arg(player,
                                                          match.playerScore(player).trimmed());
                }
            }
        }
        return lines;
    }
    for (const Team& team : match.teams()) {
        lines << QStringLiteral("%1: %2").arg(team.name, match.teamScore(team).trimmed());
    }
    return lines;
}

QString resumeQuestion(const MatchModel& match, const QStringList& skipped) {
    QString text =
        QStringLiteral(
            "The match of %1 did not end properly.\r\n\r\n%2\r\n\r\n"
            "Restore its scores?")
            .arg(wallText(match.startedAt()), scoreLines(match).join(QStringLiteral("\r\n")));
    if (!skipped.isEmpty()) {
        text +=
            QStringLiteral("\r\n\r\nPart of its record could not be read and is left out:\r\n") +
            skipped.join(QStringLiteral("\r\n"));
    }
    return text;
}

}  // namespace record
