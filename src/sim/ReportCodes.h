#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sim/ModuleModel.h"

namespace sim {

// Data1..Data4 of a team module's input report.
using ReportData = std::array<std::uint8_t, 4>;

// Data1 bits 7-5 that tell which team slots a wired module serves.
std::uint8_t identityBits(int model, int firstSlot);
// Data4 of a two-team module: which pair of teams it serves (0, 128, 64); 0 otherwise.
std::uint8_t moduleAddress(int model, int firstSlot);

ReportData idleReport(int model, int firstSlot);
// After a reset: identity | 0x1F, so no button reads as pressed on one-team modules.
ReportData identityReport(int model, int firstSlot);
// Buttons latched together (valid for the module); RF modules send the unit code instead.
ReportData pressReport(int model, int firstSlot, const std::vector<Button>& buttons);
ReportData rfPressReport(int unitCode);

// The active-high button bit of one button on a wired module (0 when it has none).
std::uint32_t buttonBit(int model, int firstSlot, Button button);

}  // namespace sim
