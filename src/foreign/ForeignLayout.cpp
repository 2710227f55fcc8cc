#include "foreign/ForeignLayout.h"

#include <algorithm>
#include <map>

namespace foreign {

namespace {

constexpr std::uint16_t kButtonPage = 0x09;
constexpr std::uint32_t kJoystick = 0x00010004;
constexpr std::uint32_t kGamePad = 0x00010005;
constexpr std::uint32_t kMultiAxis = 0x00010008;
constexpr std::uint32_t kKeyboardPage = 0x07;
constexpr std::uint32_t kFirstVendorPage = 0xFF00;

bool isController(std::uint32_t application) {
    return application == kJoystick || application == kGamePad;
}
constexpr std::size_t kBuzzButtons =
    static_cast<std::size_t>(kBuzzHandsets) * kBuzzButtonsPerHandset;

// Button number -> bit, of the input report with the most buttons 1, 2, 3, .. in a row.
struct Buttons {
    std::uint8_t reportId = 0;
    std::vector<std::uint32_t> bits;
};

Buttons buttonsOf(const modulelink::HidReport& report) {
    std::map<std::uint32_t, std::uint32_t> bitOfButton;
    for (const modulelink::HidField& f : report.fields) {
        if (f.isConstant() || !f.isVariable() || f.bitSize != 1) {
            continue;
        }
        for (std::uint32_t i = 0; i < f.count && i < f.usages.size(); ++i) {
            const std::uint32_t usage = f.usageOfElement(i);
            if ((usage >> 16) == kButtonPage && (usage & 0xFFFF) != 0) {
                bitOfButton.emplace(usage & 0xFFFF, f.bitOffset + i);
            }
        }
    }
    Buttons b{report.id, {}};
    for (std::uint32_t n = 1; bitOfButton.count(n); ++n) {
        b.bits.push_back(bitOfButton[n]);
    }
    return b;
}

}  // namespace

std::optional<std::vector<bool>> ForeignLayout::buttonsHeld(const modulelink::Bytes& report) const {
    const std::size_t start = numberedReports ? 1 : 0;
    if (numberedReports && (report.empty() || report[0] != inputReportId)) {
        return std::nullopt;
    }
    std::vector<bool> held(buttonBits.size());
    for (std::size_t n = 0; n < buttonBits.size(); ++n) {
        const std::size_t byte = start + buttonBits[n] / 8;
        if (byte >= report.size()) {
            return std::nullopt;
        }
        held[n] = (report[byte] >> (buttonBits[n] % 8)) & 1;
    }
    return held;
}

std::optional<ForeignLayout> classifyDevice(std::uint16_t vendorId, std::uint16_t productId,
                                            const modulelink::HidReportDescriptor& descriptor) {
    const bool buzzIds = vendorId == kBuzzVendorId &&
                         (productId == kBuzzWiredProductId || productId == kBuzzWirelessProductId);
    const auto& apps = descriptor.applicationUsages;
    const bool controller = std::any_of(apps.begin(), apps.end(), isController);
    if (!buzzIds && !controller) {
        return std::nullopt;
    }
    Buttons best;
    for (const modulelink::HidReport& report : descriptor.reports) {
        if (report.type == modulelink::HidReportType::Input) {
            Buttons b = buttonsOf(report);
            if (b.bits.size() > best.bits.size()) {
                best = std::move(b);
            }
        }
    }
    if (best.bits.empty()) {
        return std::nullopt;
    }
    ForeignLayout layout;
    layout.inputReportId = best.reportId;
    layout.numberedReports = descriptor.numberedReports;
    layout.buttonBits = std::move(best.bits);
    if (buzzIds || layout.buttonBits.size() == kBuzzButtons) {
        if (layout.buttonBits.size() < kBuzzButtons) {
            return std::nullopt;  // Buzz! ids without the Buzz! buttons: not one we know
        }
        layout.kind = DeviceKind::Buzz;
        layout.buttonBits.resize(kBuzzButtons);
        const modulelink::HidReport* lamps = descriptor.find(modulelink::HidReportType::Output, 0);
        layout.hasLamps = lamps != nullptr && lamps->payloadBytes() >= kBuzzLampReportBytes;
    }
    return layout;
}

bool onlyGameController(const modulelink::HidReportDescriptor& descriptor) {
    const auto& apps = descriptor.applicationUsages;
    const bool allowed = std::all_of(apps.begin(), apps.end(), [](std::uint32_t u) {
        return isController(u) || u == kMultiAxis || (u >> 16) >= kFirstVendorPage;
    });
    if (!allowed || !std::any_of(apps.begin(), apps.end(), isController)) {
        return false;
    }
    for (const modulelink::HidReport& report : descriptor.reports) {
        for (const modulelink::HidField& f : report.fields) {
            const bool keys = f.usagePage == kKeyboardPage ||
                              std::any_of(f.usages.begin(), f.usages.end(), [](std::uint32_t u) {
                                  return (u >> 16) == kKeyboardPage;
                              });
            if (keys) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace foreign
