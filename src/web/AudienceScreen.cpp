#include "web/AudienceScreen.h"

#include <QNetworkInterface>

#include "web/AudienceServer.h"

namespace web {

AudienceScreen::AudienceScreen(ui::Clock& clock, const ServerLimits& limits)
    : clock_(clock), limits_(limits), tick_(clock, limits.tickMs), json_(toJson(state_)) {
    thread_.setObjectName(QStringLiteral("audience server"));
    tick_.onTick = [this] {
        QMetaObject::invokeMethod(
            server_, [server = server_, now = clock_.now()] { server->tick(now); },
            Qt::QueuedConnection);
    };
}

AudienceScreen::~AudienceScreen() {
    stop();
}

QString AudienceScreen::start(quint16 port) {
    stop();
    thread_.start();
    QObject home;  // the thread's first object: what runs on it is sent through this
    QThread* const here = QThread::currentThread();
    home.moveToThread(&thread_);
    AudienceServer* server = nullptr;
    QString error;
    const ui::Milliseconds now = clock_.now();
    QMetaObject::invokeMethod(
        &home,
        [&] {
            server = new AudienceServer(limits_, now);
            server->publish(json_);
            error = server->listenOn(port);
            port_ = server->port();
            if (!error.isEmpty()) {
                delete server;
                server = nullptr;
            }
            home.moveToThread(here);  // back, to end with this call
        },
        Qt::BlockingQueuedConnection);
    if (!server) {
        thread_.quit();
        thread_.wait();
        port_ = 0;
        return error;
    }
    connect(server, &AudienceServer::clientsChanged, this, [this](int open, int live) {
        open_ = open;
        live_ = live;
        emit clientsChanged(open, live);
    });
    server_ = server;
    tick_.start();
    return {};
}

void AudienceScreen::stop() {
    tick_.stop();
    posted_ = false;
    if (server_) {
        AudienceServer* server = server_;
        server_ = nullptr;
        QMetaObject::invokeMethod(
            server, [server] { delete server; }, Qt::BlockingQueuedConnection);
    }
    thread_.quit();
    thread_.wait();
    port_ = 0;
    open_ = 0;
    live_ = 0;
}

void AudienceScreen::publish(const AudienceState& state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    json_ = toJson(state_);
    if (!server_) {
        return;
    }
    const std::lock_guard lock(pendingMutex_);
    pending_ = json_;
    if (posted_) {
        return;
    }
    posted_ = true;
    QMetaObject::invokeMethod(
        server_,
        [this, server = server_] {
            QByteArray json;
            {
                const std::lock_guard taken(pendingMutex_);
                json = std::exchange(pending_, {});
                posted_ = false;
            }
            server->publish(json);
        },
        Qt::QueuedConnection);
}

QStringList AudienceScreen::addresses() const {
    QStringList found;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
            found << address.toString();
        }
    }
    if (found.isEmpty()) {
        found << QStringLiteral("127.0.0.1");
    }
    return found;
}

}  // namespace web
