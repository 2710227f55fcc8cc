#include "web/ConnectionGate.h"

namespace web {

Connection::Connection(QTcpSocket* socket, ConnectionGate& gate)
    : QObject(socket),
      socket_(socket),
      gate_(&gate),
      limits_(gate.limits()),
      peer_(ConnectionGate::peerKey(socket->peerAddress(), socket->peerPort())),
      lastActive_(gate.now()) {
    gate.connections_.insert(peer_, this);
    // A request can never be larger than what the socket may hold.
    socket->setReadBufferSize(limits_.maxRequestBytes + 1);
    // Connected before the HTTP server's own reader, so this sees each chunk first.
    connect(socket, &QTcpSocket::readyRead, this, &Connection::received);
    connect(socket, &QTcpSocket::bytesWritten, this, &Connection::sent);
}

Connection::~Connection() {
    if (gate_) {
        gate_->connections_.remove(peer_);
        emit gate_->openChanged();
    }
}

bool Connection::slow() const {
    return socket_->bytesToWrite() > limits_.maxUnsentBytes;
}

void Connection::received() {
    unanswered_ += socket_->bytesAvailable();
    if (unanswered_ > limits_.maxRequestBytes) {
        // Closed once the server's reader has seen this chunk, never under its feet.
        QMetaObject::invokeMethod(this, &Connection::close, Qt::QueuedConnection);
        return;
    }
    if (gate_) {
        lastActive_ = gate_->now();
    }
}

void Connection::sent() {
    unanswered_ = 0;
    if (gate_) {
        lastActive_ = gate_->now();
    }
}

void Connection::closeIfIdle(ui::Milliseconds now) {
    if (!live_ && now - lastActive_ > ui::Milliseconds(limits_.idleMs)) {
        close();
    }
}

void Connection::close() {
    socket_->abort();
    socket_->deleteLater();
}

ConnectionGate::ConnectionGate(const ServerLimits& limits, ui::Milliseconds now, QObject* parent)
    : QTcpServer(parent), limits_(limits), now_(now) {}

QString ConnectionGate::peerKey(const QHostAddress& address, quint16 port) {
    return address.toString() + QLatin1Char(' ') + QString::number(port);
}

void ConnectionGate::tick(ui::Milliseconds now) {
    now_ = now;
    // A socket closing may end others' watches on the way (the HTTP server's own clean-up).
    QList<QPointer<Connection>> all;
    all.reserve(connections_.size());
    for (Connection* connection : std::as_const(connections_)) {
        all.append(connection);
    }
    for (const QPointer<Connection>& connection : all) {
        if (connection) {
            connection->closeIfIdle(now);
        }
    }
}

void ConnectionGate::incomingConnection(qintptr handle) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle) || open() >= limits_.maxClients) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    new Connection(socket, *this);
    addPendingConnection(socket);
    emit openChanged();
}

}  // namespace web
