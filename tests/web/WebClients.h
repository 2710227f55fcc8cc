#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QWebSocket>
#include <functional>
#include <memory>
#include <vector>

namespace test {

// Runs the event loop until `done` holds or the deadline passes; waits on events, never
// sleeps. The deadline only turns a hang into a failure: far beyond what the slowest
// (sanitizer) build on a loaded machine takes.
inline bool waitUntil(const std::function<bool()>& done, int deadlineMs = 120000) {
    QDeadlineTimer deadline(deadlineMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

// One HTTP answer as it came over the wire.
struct HttpAnswer {
    int status = 0;
    QByteArray head;
    QByteArray body;
    bool closed = false;  // the server closed the connection without an answer
};

// Sends `request` as it stands (well-formed or not) and reads one answer.
inline HttpAnswer exchange(quint16 port, const QByteArray& request) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    HttpAnswer answer;
    if (!socket.waitForConnected(5000)) {
        answer.closed = true;
        return answer;
    }
    socket.write(request);
    QByteArray got;
    const auto complete = [&] {
        const qsizetype end = got.indexOf("\r\n\r\n");
        if (end < 0) {
            return false;
        }
        const QByteArray head = got.left(end).toLower();
        const qsizetype at = head.indexOf("content-length:");
        const qsizetype length =
            at < 0 ? 0
                   : head.mid(at + 15, head.indexOf("\r\n", at) - at - 15).trimmed().toLongLong();
        return got.size() >= end + 4 + length;
    };
    waitUntil([&] {
        got += socket.readAll();
        return complete() || socket.state() == QAbstractSocket::UnconnectedState;
    });
    got += socket.readAll();
    const qsizetype end = got.indexOf("\r\n\r\n");
    if (end < 0) {
        answer.closed = true;
        return answer;
    }
    answer.head = got.left(end);
    answer.body = got.mid(end + 4);
    answer.status = got.mid(9, 3).toInt();
    return answer;
}

inline HttpAnswer get(quint16 port, const QByteArray& target) {
    return exchange(port, "GET " + target + " HTTP/1.1\r\nHost: localhost\r\n\r\n");
}

// A live page: a WebSocket on /live that keeps every message it receives.
struct LivePage {
    QWebSocket socket;
    std::vector<QString> messages;
    bool connected = false;

    LivePage(quint16 port, const char* path = "/live") {
        QObject::connect(&socket, &QWebSocket::textMessageReceived,
                         [this](const QString& m) { messages.push_back(m); });
        QObject::connect(&socket, &QWebSocket::connected, [this] { connected = true; });
        QObject::connect(&socket, &QWebSocket::disconnected, [this] { connected = false; });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(path)));
    }
};

// Asks for a live page over a plain socket, which then reads only what the test takes.
inline void requestLivePage(QTcpSocket& socket, quint16 port) {
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(
        "GET /live HTTP/1.1\r\nHost: localhost\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
        "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
}

inline std::vector<std::unique_ptr<LivePage>> openPages(quint16 port, int count) {
    std::vector<std::unique_ptr<LivePage>> pages;
    for (int i = 0; i < count; ++i) {
        pages.push_back(std::make_unique<LivePage>(port));
    }
    return pages;
}

}  // namespace test
