#pragma once

#include <QObject>
#include <QStringList>
#include <QThread>
#include <mutex>

#include "ui/Timer.h"
#include "web/AudienceState.h"
#include "web/ServerLimits.h"

namespace web {

class AudienceServer;

// The audience screen as the console sees it: a server on a thread of its own, so no
// browser ever delays a press or a tick, fed with the live state from the console's
// thread and kept on the console's clock (its idle and ping limits). Off until started.
class AudienceScreen final : public QObject {
    Q_OBJECT
  public:
    explicit AudienceScreen(ui::Clock& clock, const ServerLimits& limits = {});
    ~AudienceScreen() override;

    // Starts serving at `port` (0: any free port); the error text when it cannot.
    QString start(quint16 port);
    void stop();
    bool running() const { return server_ != nullptr; }
    quint16 port() const { return port_; }

    // Hands a new state to the pages; an unchanged state sends nothing. States that come
    // faster than the server sends them are coalesced: pages get the newest.
    void publish(const AudienceState& state);
    const AudienceState& state() const { return state_; }

    // Connections open and live pages among them, as the server last counted them.
    int openConnections() const { return open_; }
    int liveClients() const { return live_; }

    // The addresses to type into a browser: every non-loopback IPv4 address of the
    // machine, or the loopback one when there is no other.
    QStringList addresses() const;

  signals:
    void clientsChanged(int open, int live);

  private:
    ui::Clock& clock_;
    ServerLimits limits_;
    ui::Timer tick_;
    QThread thread_;
    // Made and ended on the thread, so everything it owns (Qt's own WebSocket server
    // included) lives there.
    AudienceServer* server_ = nullptr;
    quint16 port_ = 0;
    AudienceState state_;
    QByteArray json_;
    // The newest state not yet taken by the server's thread.
    std::mutex pendingMutex_;
    QByteArray pending_;
    bool posted_ = false;
    int open_ = 0;
    int live_ = 0;
};

}  // namespace web
