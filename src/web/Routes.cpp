#include "web/Routes.h"

#include <QFile>
#include <array>

namespace web {
namespace {

struct Page {
    const char* path;
    const char* resource;
    const char* type;
};

constexpr std::array kPages{
    Page{"/", ":/web/board.html", "text/html; charset=utf-8"},
    Page{"/overlay", ":/web/overlay.html", "text/html; charset=utf-8"},
    Page{"/log", ":/web/log.html", "text/html; charset=utf-8"},
    Page{"/audience.js", ":/web/audience.js", "text/javascript; charset=utf-8"},
    Page{"/audience.css", ":/web/audience.css", "text/css; charset=utf-8"},
};

QByteArray resource(const char* name) {
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
}

Reply plain(int status, const char* text) {
    return {status, "text/plain; charset=utf-8", text};
}

}  // namespace

Reply route(bool readingMethod, const QString& path, const QByteArray& stateJson) {
    if (!readingMethod) {
        return plain(405, "Only reading is allowed here.\n");
    }
    if (path == QLatin1String("/state")) {
        return {200, "application/json", stateJson};
    }
    for (const Page& page : kPages) {
        if (path == QLatin1String(page.path)) {
            return {200, page.type, resource(page.resource)};
        }
    }
    return plain(404, "Not found.\n");
}

}  // namespace web
