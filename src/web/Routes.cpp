#include "web/Routes.h"

#include <QFile>
#include <array>

namespace web {
namespace {

// What the server answers with content. A page is its own body in the frame all pages
// share (head, style, script), with its title, its kind (the body's class) and the
// script's view that draws it; the script and style are served as they are.
struct Served {
    const char* path;
    const char* resource;
    const char* type;
    const char* title = nullptr;  // none: served as it is
    const char* kind = nullptr;
    const char* view = nullptr;
};

constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr std::array kServed{
    Served{"/", ":/web/board.html", kHtml, "the board", "board", "showBoard"},
    Served{"/overlay", ":/web/overlay.html", kHtml, "overlay", "overlay", "showOverlay"},
    Served{"/log", ":/web/log.html", kHtml, "buzz log", "log", "showLog"},
    Served{"/audience.js", ":/web/audience.js", "text/javascript; charset=utf-8"},
    Served{"/audience.css", ":/web/audience.css", "text/css; charset=utf-8"},
};

QByteArray readResource(const char* name) {
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray framed(const QByteArray& frame, const Served& page) {
    QByteArray body = frame;
    body.replace("{{title}}", page.title).replace("{{kind}}", page.kind);
    body.replace("{{view}}", page.view);
    return body.replace("{{body}}", readResource(page.resource).trimmed());
}

// The pages are part of the program and never change while it runs: made once.
const QByteArray& content(std::size_t index) {
    static const std::array<QByteArray, kServed.size()> bodies = [] {
        const QByteArray frame = readResource(":/web/frame.html");
        std::array<QByteArray, kServed.size()> made;
        for (std::size_t i = 0; i < kServed.size(); ++i) {
            made[i] =
                kServed[i].title ? framed(frame, kServed[i]) : readResource(kServed[i].resource);
        }
        return made;
    }();
    return bodies[index];
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
    for (std::size_t i = 0; i < kServed.size(); ++i) {
        if (path == QLatin1String(kServed[i].path)) {
            return {200, kServed[i].type, content(i)};
        }
    }
    return plain(404, "Not found.\n");
}

}  // namespace web
