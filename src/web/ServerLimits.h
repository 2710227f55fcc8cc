#pragma once

#include <QtGlobal>

namespace web {

// How far the audience server lets browsers go: it never holds more than `maxClients`
// connections, closes a connection that carries no live page and sends nothing and is sent
// nothing for `idleMs` (a live page is pinged every `pingMs` and must answer within three
// pings), refuses a request larger than `maxRequestBytes`, and drops a client that leaves
// more than `maxUnsentBytes` unread when the next state is due. Times are on the console's
// clock, which the server reads every `tickMs`.
struct ServerLimits {
    int maxClients = 256;
    int idleMs = 15000;
    int pingMs = 10000;
    int tickMs = 500;
    qint64 maxRequestBytes = qint64{16} * 1024;
    qint64 maxUnsentBytes = qint64{256} * 1024;
};

}  // namespace web
