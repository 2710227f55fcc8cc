#include "app/AudienceLink.h"

#include "web/QrCode.h"

namespace app {

AudienceLink::AudienceLink(Console& console, ui::Clock& clock, const web::ServerLimits& limits)
    : console_(console), screen_(clock, limits) {}

AudienceLink::~AudienceLink() = default;

QString AudienceLink::switchTo(bool on, quint16 port) {
    feed_.reset();
    screen_.stop();
    if (on) {
        if (QString problem = screen_.start(port); !problem.isEmpty()) {
            return problem;
        }
        port_ = screen_.port();
        feed_ = std::make_unique<AudienceFeed>(console_, screen_);
        feed_->sample();
    } else if (port != 0) {
        port_ = port;
    }
    if (switched) {
        switched(on, port_);
    }
    return {};
}

setup::AudienceScreenInfo AudienceLink::info() const {
    setup::AudienceScreenInfo info{screen_.running(), port_, {}, {}};
    if (!info.on) {
        return info;
    }
    for (const QString& address : screen_.addresses()) {
        info.addresses << QStringLiteral("http://%1:%2/").arg(address).arg(port_);
    }
    info.qrCode = web::qrCodeImage(info.addresses.value(0), 4);
    return info;
}

}  // namespace app
