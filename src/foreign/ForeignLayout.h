#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "modulelink/HidDescriptor.h"

namespace foreign {

inline constexpr std::uint16_t kBuzzVendorId = 0x054C;
inline constexpr std::uint16_t kBuzzWiredProductId = 0x0002;
inline constexpr std::uint16_t kBuzzWirelessProductId = 0x1000;
inline constexpr int kBuzzHandsets = 4;
inline constexpr int kBuzzButtonsPerHandset = 5;  // red (the buzz button), then four colours
inline constexpr std::size_t kBuzzLampReportBytes = 7;

enum class DeviceKind { Buzz, GameController };

// Where a foreign device keeps its buttons: the input report and, for button n (1-based,
// usage n of the Button page), its bit counted from the first bit after the report id.
struct ForeignLayout {
    DeviceKind kind = DeviceKind::GameController;
    std::uint8_t inputReportId = 0;
    bool numberedReports = false;
    std::vector<std::uint32_t> buttonBits;  // index n - 1
    bool hasLamps = false;                  // the Buzz! lamp report is declared

    int buttonCount() const { return static_cast<int>(buttonBits.size()); }
    // Buttons held in an input report as the device sent it (report id first when
    // numbered); nothing for another report or one too short.
    std::optional<std::vector<bool>> buttonsHeld(const modulelink::Bytes& report) const;
};

// What a device is to the console: a Buzz! dongle by its ids or by the Buzz! layout (a
// joystick of 20 one-bit buttons), a game controller or arcade encoder (a joystick or game
// pad application with buttons); nothing for anything else, keyboards and mice included.
std::optional<ForeignLayout> classifyDevice(std::uint16_t vendorId, std::uint16_t productId,
                                            const modulelink::HidReportDescriptor& descriptor);

// Whether the logged-in user may open an interface as a game controller: it declares a
// joystick or game pad, its other top-level collections are joysticks, game pads,
// multi-axis controllers or vendor-defined, and no field carries a keyboard usage. A
// keyboard or mouse, or one interface that is a keyboard and a joystick, is refused.
bool onlyGameController(const modulelink::HidReportDescriptor& descriptor);

}  // namespace foreign
