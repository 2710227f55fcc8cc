#include "web/AudienceState.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace web {
namespace {

QString markName(AudienceState::Mark mark) {
    switch (mark) {
        case AudienceState::Mark::Ineligible:
            return QStringLiteral("ineligible");
        case AudienceState::Mark::Responder:
            return QStringLiteral("responder");
        case AudienceState::Mark::SecondResponder:
            return QStringLiteral("second");
        case AudienceState::Mark::Scoring:
            return QStringLiteral("scoring");
        case AudienceState::Mark::None:
            break;
    }
    return {};
}

}  // namespace

QByteArray toJson(const AudienceState& s) {
    QJsonArray rows;
    for (const AudienceState::Row& row : s.rows) {
        rows.append(QJsonObject{
            {"name", row.name}, {"score", row.score.trimmed()}, {"mark", markName(row.mark)}});
    }
    QJsonArray log;
    for (const AudienceState::LogRow& row : s.log) {
        QJsonObject entry{{"n", row.number}, {"name", row.name}, {"team", row.team}};
        if (row.splitMs >= 0) {
            entry.insert("splitMs", row.splitMs);
        }
        log.append(entry);
    }
    const QJsonObject root{{"board", s.board},
                           {"title", s.title},
                           {"rows", rows},
                           {"responder", s.responder},
                           {"team", s.responderTeam},
                           {"responderScore", s.responderScore.trimmed()},
                           {"second", s.secondResponder},
                           {"timer", s.timer.trimmed()},
                           {"timerKind", s.timerKind},
                           {"clock", s.clock.trimmed()},
                           {"clockRunning", s.clockRunning},
                           {"background", s.background},
                           {"text", s.text},
                           {"log", log}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

}  // namespace web
