#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "foreign/DeviceRoles.h"
#include "foreign/ForeignLayout.h"
#include "modulelink/ArrivalQueue.h"
#include "modulelink/HidTransport.h"
#include "sim/Firmware.h"

namespace foreign {

// The model a foreign team presents: a one-team module, so that its slot comes from its
// identity bits and its presses decode as any one-team module's.
inline constexpr int kStandInModel = 4097;

// One attached foreign device and the team modules it stands in for (one, or four for a
// Buzz! dongle of four teams). Each team runs the module firmware: the device's button
// reports become the team's module reports, and the module commands written to it are
// carried out here (lockout, lamps; tones on the PC's sound card). A button that went down
// before the team's last arm never counts, even when its report is read after the arm.
// A device that fails while its node is gone reports itself gone to every team (its
// removal), whatever the error said, so an unplugged dongle brings the rescue flow at once.
class ForeignDevice {
  public:
    struct Hooks {
        // The team slot (1..8) a team takes at its first reset.
        std::function<int()> freeSlot;
        // A module tone command, to sound on the PC.
        std::function<void(sim::Tone)> tone;
        // The transport's clock.
        std::function<modulelink::ArrivalTime()> now;
    };

    // key: the device's name in the role store; attached: whether the device is still
    // there (its node listed), asked when it fails.
    ForeignDevice(std::unique_ptr<modulelink::HidConnection> device, ForeignLayout layout,
                  QString key, DeviceRole role, Hooks hooks, std::function<bool()> attached);
    ~ForeignDevice();
    ForeignDevice(const ForeignDevice&) = delete;
    ForeignDevice& operator=(const ForeignDevice&) = delete;

    int teamCount() const { return static_cast<int>(teams_.size()); }
    const ForeignLayout& layout() const { return layout_; }
    const sim::Firmware& firmware(int team) const;
    // The Buzz! lamps as last written, handset 1..4.
    const std::array<bool, kBuzzHandsets>& lamps() const { return lampsShown_; }
    const QString& key() const { return key_; }
    const DeviceRole& role() const { return role_; }
    // The operator chose anew: the buttons of the players count from the next arm or reset,
    // so a question already armed keeps its buttons. The teams stay as they were opened.
    void takeRole(const DeviceRole& role) { chosenButtons_ = role.buttonOfPlayer; }

    // A team module's side of the interface.
    modulelink::HidReadResult readPending(int team);
    std::optional<modulelink::ArrivalTime> nextArrival(int team);
    void setWake(int team, std::function<void()> wake);
    modulelink::HidReadResult readWithin(int team, int timeoutMs);
    modulelink::HidWriteResult writeOutput(int team, const modulelink::Bytes& data);

  private:
    struct Team {
        sim::Firmware firmware{kStandInModel, 8};
        bool slotChosen = false;
        modulelink::ArrivalTime armedAt{0};
        std::shared_ptr<modulelink::ArrivalQueue> queue;
        sim::ReportData lastSent{};
    };
    struct Wakes {
        std::mutex mutex;
        std::vector<std::function<void()>> byTeam;
    };

    // Takes every report the device has sent so far.
    void pump();
    void take(const modulelink::HidReadResult& report);
    // Team and player of button n (0-based), if it is one that buzzes.
    std::optional<std::pair<int, int>> playerOfButton(int n) const;
    void sendIfChanged(int team, modulelink::ArrivalTime arrival, bool force);
    modulelink::HidWriteResult showLamps();

    std::unique_ptr<modulelink::HidConnection> device_;
    ForeignLayout layout_;
    QString key_;
    DeviceRole role_;
    std::optional<std::array<int, 5>> chosenButtons_;
    Hooks hooks_;
    std::vector<Team> teams_;
    std::function<bool()> attached_;
    // Once the device failed, every team's writes fail as its reads did.
    std::optional<modulelink::HidWriteResult> failure_;
    std::shared_ptr<Wakes> wakes_;
    std::vector<bool> held_;
    std::array<bool, kBuzzHandsets> lampsShown_{};
};

}  // namespace foreign
