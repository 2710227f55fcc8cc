#pragma once

#include <QByteArray>
#include <QString>

namespace web {

// One answer of the audience server: status, type and body, nothing else a browser could
// turn into a request of its own.
struct Reply {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    bool operator==(const Reply&) const = default;
};

// The path of the live push (a WebSocket).
inline constexpr char kLivePath[] = "/live";

// What the server answers `path` (already decoded, without the query): the pages and
// their script and style from the program's resources, the state as JSON, and a plain
// "not found" for anything else. Only reading methods are answered; the match never
// changes through a request.
Reply route(bool readingMethod, const QString& path, const QByteArray& stateJson);

}  // namespace web
