#include "web/AudienceServer.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>

#include "web/Routes.h"

namespace web {
namespace {

bool isWebSocketHandshake(const QHttpServerRequest& request) {
    for (const auto& [name, value] : request.headers()) {
        if (name.compare("upgrade", Qt::CaseInsensitive) == 0 &&
            value.compare("websocket", Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

AudienceServer::AudienceServer(const ServerLimits& limits, ui::Milliseconds now)
    : gate_(new ConnectionGate(limits, now, this)), pingMs_(limits.pingMs), lastPing_(now) {
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this,
            &AudienceServer::takeLiveClient);
    connect(gate_, &ConnectionGate::openChanged, this,
            [this] { emit clientsChanged(openConnections(), liveClients()); });
}

AudienceServer::~AudienceServer() {
    // Before the gate that watches their connections; a socket ending tells of it, so the
    // list is emptied first.
    const auto ending = std::move(live_);
    live_.clear();
}

QString AudienceServer::listenOn(quint16 port) {
    if (!gate_->listen(QHostAddress::Any, port)) {
        return QStringLiteral("Port %1 cannot be used: %2").arg(port).arg(gate_->errorString());
    }
    bind(gate_);
    return {};
}

void AudienceServer::tick(ui::Milliseconds now) {
    gate_->tick(now);
    if (now - lastPing_ >= pingMs_) {
        lastPing_ = now;
        pingLiveClients();
    }
}

void AudienceServer::publish(const QByteArray& stateJson) {
    state_ = stateJson;
    stateText_ = QString::fromUtf8(stateJson);
    const std::vector<QWebSocket*> sockets = liveSockets();
    for (QWebSocket* socket : sockets) {
        send(socket);
    }
}

bool AudienceServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    // The WebSocket handshake comes this way first; Qt answers it once we leave it be.
    if (isWebSocketHandshake(request)) {
        return true;
    }
    const Reply reply =
        route(request.method() == QHttpServerRequest::Method::Get, request.url().path(), state_);
    makeResponder(request, socket)
        .write(reply.body,
               {{"Content-Type", reply.contentType},
                {"Cache-Control", "no-store"},
                {"X-Content-Type-Options", "nosniff"}},
               static_cast<QHttpServerResponder::StatusCode>(reply.status));
    return true;
}

void AudienceServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

void AudienceServer::takeLiveClient() {
    while (hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = nextPendingWebSocketConnection();
        if (!socket) {
            continue;
        }
        Connection* connection =
            gate_->find(ConnectionGate::peerKey(socket->peerAddress(), socket->peerPort()));
        if (socket->requestUrl().path() != QLatin1String(kLivePath) || !connection) {
            socket->abort();
            continue;
        }
        connection->becameLive();
        // A page sends nothing but control frames; anything larger is not one of ours.
        socket->setMaxAllowedIncomingFrameSize(1024);
        socket->setMaxAllowedIncomingMessageSize(1024);
        QWebSocket* key = socket.get();
        connect(key, &QWebSocket::disconnected, this, [this, key] { dropLiveClient(key); });
        connect(key, &QWebSocket::pong, this, [this, key] {
            if (auto it = live_.find(key); it != live_.end()) {
                it->second.lastPong = gate_->now();
            }
        });
        Live live{std::move(socket), connection, gate_->now()};
        live_.emplace(key, std::move(live));
        send(key);
    }
    emit clientsChanged(openConnections(), liveClients());
}

void AudienceServer::dropLiveClient(QWebSocket* socket) {
    auto it = live_.find(socket);
    if (it == live_.end()) {
        return;
    }
    it->second.socket.release()->deleteLater();  // it is in the middle of its own signal
    live_.erase(it);
    emit clientsChanged(openConnections(), liveClients());
}

void AudienceServer::send(QWebSocket* socket) {
    const auto it = live_.find(socket);
    if (it == live_.end()) {
        return;
    }
    if (!it->second.connection || it->second.connection->slow()) {
        socket->abort();  // its disconnected signal drops it
        return;
    }
    socket->sendTextMessage(stateText_);
}

std::vector<QWebSocket*> AudienceServer::liveSockets() const {
    std::vector<QWebSocket*> sockets;
    sockets.reserve(live_.size());
    for (const auto& [socket, live] : live_) {
        sockets.push_back(socket);
    }
    return sockets;
}

// A page is dropped for its silence only: one that is slow to read a large state is
// judged when the next state is due (`send`).
void AudienceServer::pingLiveClients() {
    const std::vector<QWebSocket*> sockets = liveSockets();
    for (QWebSocket* socket : sockets) {
        const auto it = live_.find(socket);
        if (it == live_.end()) {
            continue;
        }
        if (gate_->now() - it->second.lastPong > 3 * pingMs_) {
            socket->abort();
        } else {
            socket->ping();
        }
    }
}

}  // namespace web
