#include "sim/ReportCodes.h"

namespace sim {

namespace {

// Two-team modules wire their buttons to bits in this order, players 1..5.
constexpr std::uint32_t k2012First[] = {1, 2, 4, 8, 0};
constexpr std::uint32_t k2012Second[] = {16, 32, 128, 64, 0};
constexpr std::uint32_t k512First[] = {256, 512, 1, 2, 4};
constexpr std::uint32_t k512Second[] = {8, 16, 32, 128, 64};
// One-team modules: bit 0 is player 5, bits 1..4 players 1..4.
constexpr std::uint32_t kOneTeam[] = {2, 4, 8, 16, 1};

constexpr std::uint32_t kAll512 = 1023;

std::uint8_t data3For512(std::uint32_t code) {
    return static_cast<std::uint8_t>(((code >> 8) & 1) << 6 | ((code >> 9) & 1) << 7);
}

}  // namespace

std::uint8_t identityBits(int model, int firstSlot) {
    switch (kindOfModel(model)) {
        case ModuleKind::OneTeam:
            return static_cast<std::uint8_t>((8 - firstSlot) << 5);
        case ModuleKind::TwoTeam:
            return firstSlot == 1 ? 0xE0 : firstSlot == 3 ? 0xA0 : 0x80;
        case ModuleKind::Rf:
            break;
    }
    return 0xE0;
}

std::uint8_t moduleAddress(int model, int firstSlot) {
    if (kindOfModel(model) != ModuleKind::TwoTeam) {
        return 0;
    }
    return firstSlot == 1 ? 0 : firstSlot == 3 ? 128 : 64;
}

ReportData idleReport(int model, int firstSlot) {
    ReportData d{255, 0, 0, moduleAddress(model, firstSlot)};
    if (model == 512) {
        d[2] = data3For512(kAll512);
    }
    return d;
}

ReportData identityReport(int model, int firstSlot) {
    ReportData d = idleReport(model, firstSlot);
    d[0] = static_cast<std::uint8_t>(identityBits(model, firstSlot) | 0x1F);
    return d;
}

std::uint32_t buttonBit(int model, int firstSlot, Button button) {
    if (button.player < 1 || button.player > 5) {
        return 0;
    }
    const auto p = static_cast<std::size_t>(button.player - 1);
    switch (kindOfModel(model)) {
        case ModuleKind::OneTeam:
            return button.team == firstSlot ? kOneTeam[p] : 0;
        case ModuleKind::TwoTeam:
            if (button.team == firstSlot) {
                return model == 512 ? k512First[p] : k2012First[p];
            }
            if (button.team == firstSlot + 1) {
                return model == 512 ? k512Second[p] : k2012Second[p];
            }
            return 0;
        case ModuleKind::Rf:
            break;
    }
    return 0;
}

ReportData pressReport(int model, int firstSlot, const std::vector<Button>& buttons) {
    std::uint32_t value = 0;
    for (const Button& b : buttons) {
        value |= buttonBit(model, firstSlot, b);
    }
    ReportData d = idleReport(model, firstSlot);
    switch (kindOfModel(model)) {
        case ModuleKind::OneTeam:  // active low under the identity bits
            d[0] = static_cast<std::uint8_t>(identityBits(model, firstSlot) | (31 ^ value));
            break;
        case ModuleKind::TwoTeam:
            if (model == 512) {
                const std::uint32_t code = kAll512 ^ value;
                d[0] = static_cast<std::uint8_t>(code & 0xFF);
                d[2] = data3For512(code);
            } else {
                d[0] = static_cast<std::uint8_t>(255 ^ value);
            }
            break;
        case ModuleKind::Rf:
            break;
    }
    return d;
}

ReportData rfPressReport(int unitCode) {
    return ReportData{static_cast<std::uint8_t>(unitCode), 0, 0, 0};
}

}  // namespace sim
