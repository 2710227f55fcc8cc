#pragma once

#include <QtGlobal>

namespace web {

// How far the audience server lets browsers go: it never holds more than `maxClients`
// connections, closes a connection that sends nothing and is sent nothing for `idleMs`
// (a live page is pinged every `pingMs` and must answer within three pings), refuses a
// request larger than `maxRequestBytes`, and drops a client that leaves more than
// `maxUnsentBytes` unread.
struct ServerLimits {
    int maxClients = 256;
    int idleMs = 15000;
    int pingMs = 10000;
    qint64 maxRequestBytes = qint64{16} * 1024;
    qint64 maxUnsentBytes = qint64{256} * 1024;
};

}  // namespace web
