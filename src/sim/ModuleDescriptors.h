#pragma once

#include "modulelink/HidTransport.h"

namespace sim {

// Bytes of input report A: Data1..Data4 and four padding bytes; of output report B:
// Command1 and seven padding bytes.
inline constexpr std::size_t kInputPayload = 8;
inline constexpr std::size_t kOutputPayload = 8;
// RF modules and modules with a status report number their reports; the others do not.
inline constexpr std::uint8_t kInputReportId = 1;
inline constexpr std::uint8_t kOutputReportId = 2;
// The status report: the last command received and whether the module is armed.
inline constexpr std::uint8_t kStatusReportId = 3;

// The report descriptor a module of this model presents, with or without a status report.
modulelink::Bytes moduleReportDescriptor(int model, bool statusReport = false);
bool usesReportIds(int model, bool statusReport = false);

}  // namespace sim
