#pragma once

#include <QHash>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include "ui/Clock.h"
#include "web/ServerLimits.h"

namespace web {

class ConnectionGate;

// The watch over one TCP connection, a child of its socket so it ends with it, whoever
// owns the socket by then (the HTTP server, or a WebSocket after the upgrade).
class Connection final : public QObject {
    Q_OBJECT
  public:
    Connection(QTcpSocket* socket, ConnectionGate& gate);
    ~Connection() override;

    // The connection carries a live page now: no idle limit, the pings watch it instead.
    void becameLive() { live_ = true; }
    // More than the limit waits unsent: the client does not read.
    bool slow() const;
    // Closes a connection without a live page that nothing went over for too long.
    void closeIfIdle(ui::Milliseconds now);

  private:
    void received();
    void sent();
    // Closes and ends the connection: the HTTP server forgets a socket whose request it
    // could not parse, so the watch ends it itself.
    void close();

    QTcpSocket* socket_;
    // The gate may end first (the server's children go in order), so it is watched.
    QPointer<ConnectionGate> gate_;
    ServerLimits limits_;
    QString peer_;
    qint64 unanswered_ = 0;
    ui::Milliseconds lastActive_;
    bool live_ = false;
};

// The listening socket: it admits at most the limit's number of connections (one more is
// closed at once) and watches each one it admits.
class ConnectionGate final : public QTcpServer {
    Q_OBJECT
  public:
    ConnectionGate(const ServerLimits& limits, ui::Milliseconds now, QObject* parent);

    const ServerLimits& limits() const { return limits_; }
    int open() const { return static_cast<int>(connections_.size()); }
    // The watch over the connection from `address` and `port`, if it is still open.
    Connection* find(const QString& peer) const { return connections_.value(peer); }
    static QString peerKey(const QHostAddress& address, quint16 port);

    // The server's time, as the console's clock last told it.
    ui::Milliseconds now() const { return now_; }
    // Takes the time and closes the connections idle by then.
    void tick(ui::Milliseconds now);

  signals:
    // A connection was admitted or has ended.
    void openChanged();

  protected:
    void incomingConnection(qintptr handle) override;

  private:
    friend class Connection;
    ServerLimits limits_;
    QHash<QString, Connection*> connections_;
    ui::Milliseconds now_;
};

}  // namespace web
