#pragma once

#include <cstdint>

#include "modulelink/HidTransport.h"

namespace modulelink {

// Little-endian bit fields inside a report payload, as HID lays them out. Bits beyond the
// payload read as 0 and are not written.
std::uint32_t readBits(const Bytes& payload, std::uint32_t bitOffset, std::uint32_t bitSize);
void writeBits(Bytes& payload, std::uint32_t bitOffset, std::uint32_t bitSize, std::uint32_t value);
// A raw field value as a number: sign-extended from bitSize when the field's logical
// minimum is negative, zero-extended otherwise.
std::int32_t extendValue(std::uint32_t raw, std::uint32_t bitSize, bool isSigned);

}  // namespace modulelink
