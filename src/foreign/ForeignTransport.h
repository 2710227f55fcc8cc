#pragma once

#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foreign/DeviceRoles.h"
#include "foreign/ForeignDevice.h"
#include "foreign/ForeignLayout.h"
#include "modulelink/HidTransport.h"

namespace foreign {

// A transport that adds foreign buzzers to another one's team modules: a search for team
// modules also finds every Buzz! dongle and game controller, each as one team module per
// team it serves (listed after the console's own modules), so the agent, the module link
// and the engine see team modules only. Everything else passes through unchanged.
class ForeignTransport final : public modulelink::HidTransport {
  public:
    // A foreign device attached now, for the operator's choice of roles.
    struct Attached {
        QString key;  // names the device in the role store
        QString name;
        DeviceKind kind = DeviceKind::GameController;
        int buttons = 0;
    };

    // The device and the roles must outlive the transport.
    ForeignTransport(modulelink::HidTransport& devices, RoleStore& roles,
                     ForeignDevice::Hooks hooks);
    ~ForeignTransport() override;

    std::vector<modulelink::HidDeviceInfo> enumerate(std::uint16_t vendorId) override;
    modulelink::HidOpenResult open(const std::string& path) override;
    modulelink::ArrivalTime now() const override { return devices_.now(); }

    // The devices attached now, numbered by kind in the order of the search.
    std::vector<Attached> attached();
    // What the operator calls an attached device ("Buzz! controller 1 (4 handsets)"); its
    // product name when it is none of ours.
    QString nameOf(const modulelink::HidDeviceInfo& info);
    DeviceRole roleOf(const QString& key) const { return roles_.roleOf(key); }
    // Keeps a new choice for the device; an open one takes its buttons at its next arm.
    void setRole(const QString& key, const DeviceRole& role);
    // The device behind an open team module's path, while one is open.
    std::shared_ptr<ForeignDevice> openDevice(const std::string& path) const;

  private:
    struct Found {
        modulelink::HidDeviceInfo info;
        ForeignLayout layout;
        int number = 0;  // among the devices of its kind, from 1
    };
    std::vector<Found> foreignDevices();
    int teamsOf(const Found& f) const;
    // The device at this path is attached now.
    bool listed(const std::string& path);
    std::optional<ForeignLayout> layoutOf(const modulelink::HidDeviceInfo& info);

    modulelink::HidTransport& devices_;
    RoleStore& roles_;
    ForeignDevice::Hooks hooks_;
    // Classified once per attachment (a path gone from the list is forgotten).
    std::map<std::string, std::optional<ForeignLayout>> layouts_;
    std::map<std::string, std::weak_ptr<ForeignDevice>> open_;
};

// The key of a device in the role store: its ids and where it is attached.
QString deviceKey(const modulelink::HidDeviceInfo& info);

}  // namespace foreign
