// The HID report descriptor parser: any bytes in, a descriptor or an error out. A
// descriptor it accepts must keep every promise the agent builds on.
#include <cstdint>

#include "FuzzCheck.h"
#include "modulelink/HidDescriptor.h"

using namespace modulelink;

namespace {

void checkField(const HidField& f, const HidReport& report, std::uint32_t& nextBit) {
    FUZZ_CHECK(f.reportId == report.id);
    FUZZ_CHECK(f.bitOffset == nextBit);  // fields follow each other without gaps
    FUZZ_CHECK(f.bitSize > 0 && f.count > 0);
    nextBit += f.bitSize * f.count;
    FUZZ_CHECK(f.usages.size() <= kMaxUsagesPerField);
    FUZZ_CHECK(f.isArray() || f.usages.size() <= f.count);  // no usage without an element
    if (f.hasUsageRange) {
        FUZZ_CHECK(f.usageMinimum <= f.usageMaximum);
        FUZZ_CHECK((f.usageMinimum >> 16) == (f.usageMaximum >> 16));
    } else {
        FUZZ_CHECK(f.usageMinimum == 0 && f.usageMaximum == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const HidDescriptorResult r = parseHidDescriptor(Bytes(data, data + size));
    FUZZ_CHECK(r.ok == r.error.isEmpty());
    if (!r.ok) {
        return 0;
    }
    std::uint64_t totalBits = 0;
    std::size_t variables = 0;
    for (const HidReport& report : r.descriptor.reports) {
        FUZZ_CHECK(r.descriptor.numberedReports == (report.id != 0));
        FUZZ_CHECK(report.bitLength <= kMaxReportBytes * 8);
        FUZZ_CHECK(r.descriptor.find(report.type, report.id) == &report);  // one per type and id
        std::uint32_t nextBit = 0;
        for (const HidField& f : report.fields) {
            checkField(f, report, nextBit);
            variables += f.variableCount();
        }
        FUZZ_CHECK(nextBit == report.bitLength);
        totalBits += report.bitLength;
    }
    FUZZ_CHECK(totalBits <= std::uint64_t{kMaxInterfaceReportBytes} * 8);
    FUZZ_CHECK(variables <= kMaxVariables);
    return 0;
}
