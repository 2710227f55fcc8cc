// The audience server's own request handling: a request target as a browser could send it,
// decoded as the server decodes it, routed; and a state built from the same bytes turned
// into JSON. Only the known paths are answered with content, nothing else is ever served,
// and the JSON always reads back with every name intact.
//
// Input: a flags byte (bit 0: a reading method), then the request target up to a NUL,
// then names for a state separated by NULs.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <cstdint>

#include "FuzzCheck.h"
#include "web/AudienceState.h"
#include "web/Routes.h"

namespace {

const QStringList kServed{"/", "/overlay", "/log", "/audience.js", "/audience.css", "/state"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool reading = (data[0] & 1) != 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));
    const QList<QByteArray> parts = rest.split('\0');

    const QString path = QUrl::fromEncoded(parts.value(0)).path();
    const QByteArray state = "{\"fuzz\":true}";
    const web::Reply reply = web::route(reading, path, state);
    FUZZ_CHECK(reply.status == 200 || reply.status == 404 || reply.status == 405);
    FUZZ_CHECK((reply.status == 405) == !reading);
    FUZZ_CHECK((reply.status == 200) == (reading && kServed.contains(path)));
    FUZZ_CHECK(!reply.contentType.isEmpty());
    if (reply.status == 200) {
        FUZZ_CHECK(path == "/state" ? reply.body == state : !reply.body.isEmpty());
    }

    web::AudienceState s;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString name = QString::fromUtf8(parts[i]);
        s.rows.append({name, name, web::AudienceState::Mark::None});
        s.log.append({static_cast<int>(i), name, name, static_cast<qint64>(i)});
    }
    s.responder = QString::fromUtf8(parts.value(1));
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(web::toJson(s), &error).object();
    FUZZ_CHECK(error.error == QJsonParseError::NoError);
    FUZZ_CHECK(o["responder"].toString() == s.responder);
    FUZZ_CHECK(o["rows"].toArray().size() == s.rows.size());
    for (qsizetype i = 0; i < s.rows.size(); ++i) {
        FUZZ_CHECK(o["rows"].toArray()[i].toObject()["name"].toString() == s.rows[i].name);
        FUZZ_CHECK(o["log"].toArray()[i].toObject()["team"].toString() == s.log[i].team);
    }
    return 0;
}
