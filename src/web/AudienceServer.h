#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QWebSocket>
#include <memory>
#include <unordered_map>
#include <vector>

#include "web/ConnectionGate.h"
#include "web/ServerLimits.h"

namespace web {

// The audience server on its own thread: it answers page and state requests through
// `route` and pushes every new state to each live page (WebSocket on /live). Nothing a
// client sends reaches the match.
class AudienceServer final : public QAbstractHttpServer {
    Q_OBJECT
  public:
    // `now`: the console's clock at the start.
    AudienceServer(const ServerLimits& limits, ui::Milliseconds now);
    ~AudienceServer() override;

    // Listens on every address at `port` (0: any free one); the error text when it cannot.
    QString listenOn(quint16 port);
    quint16 port() const { return gate_->serverPort(); }
    int liveClients() const { return static_cast<int>(live_.size()); }
    int openConnections() const { return gate_->open(); }

    // The state every request and live page gets from now on.
    void publish(const QByteArray& stateJson);
    // The console's clock says `now`: idle connections close, live pages are pinged when
    // due and dropped when they stopped answering.
    void tick(ui::Milliseconds now);

  signals:
    void clientsChanged(int open, int live);

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    void takeLiveClient();
    void dropLiveClient(QWebSocket* socket);
    void pingLiveClients();
    void send(QWebSocket* socket);

    ConnectionGate* gate_;
    QByteArray state_ = "{}";
    QString stateText_ = QStringLiteral("{}");
    struct Live {
        std::unique_ptr<QWebSocket> socket;
        QPointer<Connection> connection;
        ui::Milliseconds lastPong;
    };
    std::unordered_map<QWebSocket*, Live> live_;
    std::vector<QWebSocket*> liveSockets() const;
    ui::Milliseconds pingMs_;
    ui::Milliseconds lastPing_;
};

}  // namespace web
