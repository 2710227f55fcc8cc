#pragma once

#include <functional>
#include <memory>

#include "app/AudienceFeed.h"
#include "setup/MenuHost.h"
#include "web/AudienceScreen.h"

namespace app {

class Console;

// The console's audience screen: the server, off until switched on, and the feed that
// keeps it up to date while it serves.
class AudienceLink {
  public:
    static constexpr quint16 kDefaultPort = 8765;

    AudienceLink(Console& console, ui::Clock& clock, const web::ServerLimits& limits = {});
    ~AudienceLink();

    // Switches the screen on at `port` or off; the reason when it cannot serve.
    QString switchTo(bool on, quint16 port);
    // The switch, the port and, while on, the addresses to type and their QR code.
    setup::AudienceScreenInfo info() const;

    web::AudienceScreen& screen() { return screen_; }
    AudienceFeed* feed() { return feed_.get(); }

    // Told of every switch that took effect (the program keeps the choice for next time).
    std::function<void(bool on, quint16 port)> switched;

  private:
    Console& console_;
    web::AudienceScreen screen_;
    std::unique_ptr<AudienceFeed> feed_;
    quint16 port_ = kDefaultPort;
};

}  // namespace app
