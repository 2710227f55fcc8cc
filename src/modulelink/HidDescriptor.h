#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "modulelink/HidTransport.h"

namespace modulelink {

enum class HidReportType : int { Input = 0, Output = 1, Feature = 2 };

// What one interface may cost. A descriptor beyond these is refused, so no device can make
// opening it, or reading any of its reports, slow enough to stall the polling.
inline constexpr std::uint32_t kMaxReportBytes = 4096;  // one report, as hidraw moves it
inline constexpr std::uint32_t kMaxInterfaceReportBytes = 64 * 1024;  // all reports together
inline constexpr std::size_t kMaxUsagesPerField = 4096;
// Variables: the elements of variable fields and the usages of array fields, padding aside.
inline constexpr std::size_t kMaxVariables = 16384;

// Bits of an Input/Output/Feature main item's data.
namespace HidFieldFlag {
inline constexpr std::uint32_t Constant = 1u << 0;
inline constexpr std::uint32_t Variable = 1u << 1;  // clear: array
inline constexpr std::uint32_t Relative = 1u << 2;
inline constexpr std::uint32_t Wrap = 1u << 3;
inline constexpr std::uint32_t NonLinear = 1u << 4;
inline constexpr std::uint32_t NoPreferred = 1u << 5;
inline constexpr std::uint32_t NullState = 1u << 6;
inline constexpr std::uint32_t Volatile = 1u << 7;
inline constexpr std::uint32_t BufferedBytes = 1u << 8;
}  // namespace HidFieldFlag

// One main item: `count` elements of `bitSize` bits starting at `bitOffset`, counted from
// the first bit after the report id byte.
struct HidField {
    std::uint8_t reportId = 0;
    std::uint32_t bitOffset = 0;
    std::uint32_t bitSize = 0;
    std::uint32_t count = 0;
    std::uint32_t flags = 0;
    std::uint16_t usagePage = 0;  // page of the first usage
    // Extended usages (page << 16 | id), ranges expanded. A variable field takes one per
    // element (the last repeats when fewer were declared); an array field lists the usages
    // its elements select, starting at logicalMinimum.
    std::vector<std::uint32_t> usages;
    // The field's own declared range (0 and false when it declared none).
    std::uint32_t usageMinimum = 0;
    std::uint32_t usageMaximum = 0;
    bool hasUsageRange = false;
    std::int32_t logicalMinimum = 0;
    std::int32_t logicalMaximum = 0;
    std::int32_t physicalMinimum = 0;
    std::int32_t physicalMaximum = 0;
    std::uint32_t unit = 0;
    std::int32_t unitExponent = 0;
    std::uint32_t stringIndex = 0;

    bool isConstant() const { return flags & HidFieldFlag::Constant; }
    bool isVariable() const { return flags & HidFieldFlag::Variable; }
    bool isArray() const { return !isVariable(); }
    bool isRelative() const { return flags & HidFieldFlag::Relative; }
    bool wraps() const { return flags & HidFieldFlag::Wrap; }
    bool isNonLinear() const { return flags & HidFieldFlag::NonLinear; }
    bool hasNoPreferredState() const { return flags & HidFieldFlag::NoPreferred; }
    bool hasNullState() const { return flags & HidFieldFlag::NullState; }
    bool isVolatile() const { return flags & HidFieldFlag::Volatile; }
    bool isBufferedBytes() const { return flags & HidFieldFlag::BufferedBytes; }
    // The usage of element i of a variable field (0 when none was declared).
    std::uint32_t usageOfElement(std::uint32_t i) const;
    // How many agent variables the field gives: one per element of a variable field, one
    // per usage of an array field, none for padding.
    std::size_t variableCount() const;

    bool operator==(const HidField&) const = default;
};

struct HidReport {
    HidReportType type = HidReportType::Input;
    std::uint8_t id = 0;
    std::uint32_t bitLength = 0;  // without the report id byte
    std::vector<HidField> fields;

    // Bytes on the wire after the report id byte.
    std::size_t payloadBytes() const { return (bitLength + 7) / 8; }
};

struct HidReportDescriptor {
    bool numberedReports = false;  // true when any Report ID item appeared
    // The usage of each top-level application collection (0 when it declared none): what
    // the device is, e.g. 0x00010005 for a game pad.
    std::vector<std::uint32_t> applicationUsages;
    std::vector<HidReport> reports;  // input, output, feature, each in order of appearance

    const HidReport* find(HidReportType type, std::uint8_t id) const;
};

struct HidDescriptorResult {
    bool ok = false;
    HidReportDescriptor descriptor;
    QString error;  // what is wrong and at which byte offset, when !ok
};

// Parses a HID report descriptor (HID 1.11, section 6.2.2). Any malformed or truncated
// input, or one beyond the limits above, gives an error result; nothing is read outside
// `bytes`.
HidDescriptorResult parseHidDescriptor(const Bytes& bytes);

}  // namespace modulelink
