#include "modulelink/ReportBits.h"

namespace modulelink {

namespace {
constexpr std::uint32_t kValueBits = 32;  // wider fields keep their low 32 bits as value
}

std::uint32_t readBits(const Bytes& payload, std::uint32_t bitOffset, std::uint32_t bitSize) {
    std::uint32_t value = 0;
    const std::uint32_t n = bitSize < kValueBits ? bitSize : kValueBits;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint64_t bit = std::uint64_t{bitOffset} + i;
        const std::uint64_t byte = bit / 8;
        if (byte >= payload.size()) {
            break;
        }
        if (payload[byte] & (1u << (bit % 8))) {
            value |= 1u << i;
        }
    }
    return value;
}

void writeBits(Bytes& payload, std::uint32_t bitOffset, std::uint32_t bitSize,
               std::uint32_t value) {
    for (std::uint32_t i = 0; i < bitSize; ++i) {
        const std::uint64_t bit = std::uint64_t{bitOffset} + i;
        const std::uint64_t byte = bit / 8;
        if (byte >= payload.size()) {
            return;
        }
        const bool on = i < kValueBits && (value & (1u << i));
        const auto mask = static_cast<std::uint8_t>(1u << (bit % 8));
        payload[byte] = on ? (payload[byte] | mask) : (payload[byte] & ~mask);
    }
}

std::int32_t extendValue(std::uint32_t raw, std::uint32_t bitSize, bool isSigned) {
    if (bitSize == 0) {
        return 0;
    }
    if (bitSize >= kValueBits) {
        return static_cast<std::int32_t>(raw);
    }
    const std::uint32_t mask = (1u << bitSize) - 1;
    raw &= mask;
    if (isSigned && (raw & (1u << (bitSize - 1)))) {
        raw |= ~mask;
    }
    return static_cast<std::int32_t>(raw);
}

}  // namespace modulelink
