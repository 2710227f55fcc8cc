#pragma once

#include "modulelink/HidTransport.h"

namespace sim {

// Bytes of input report A: Data1..Data4 and four padding bytes; of output report B:
// Command1 and seven padding bytes.
inline constexpr std::size_t kInputPayload = 8;
inline constexpr std::size_t kOutputPayload = 8;
// RF modules number their reports; wired modules do not.
inline constexpr std::uint8_t kRfInputReportId = 1;
inline constexpr std::uint8_t kRfOutputReportId = 2;

// The report descriptor a module of this model presents.
modulelink::Bytes moduleReportDescriptor(int model);
bool usesReportIds(int model);

}  // namespace sim
