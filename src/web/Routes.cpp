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

// The pages are part of the program and never change while it runs: read once.
const QByteArray& resource(std::size_t page) {
    static const std::array<QByteArray, kPages.size()> bodies = [] {
        std::array<QByteArray, kPages.size()> read;
        for (std::size_t i = 0; i < kPages.size(); ++i) {
            QFile file(QString::fromLatin1(kPages[i].resource));
            if (file.open(QIODevice::ReadOnly)) {
                read[i] = file.readAll();
            }
        }
        return read;
    }();
    return bodies[page];
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
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        if (path == QLatin1String(kPages[i].path)) {
            return {200, kPages[i].type, resource(i)};
        }
    }
    return plain(404, "Not found.\n");
}

}  // namespace web
