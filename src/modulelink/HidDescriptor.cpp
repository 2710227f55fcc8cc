#include "modulelink/HidDescriptor.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace modulelink {

namespace {

constexpr std::size_t kMaxPushDepth = 32;
constexpr std::uint32_t kMaxReportBits = kMaxReportBytes * 8u;
constexpr std::uint32_t kMaxReportCount = 0xFFFF;

enum ItemType { kMain = 0, kGlobal = 1, kLocal = 2, kReserved = 3 };

// Global item state, saved and restored by Push and Pop.
struct Globals {
    std::uint16_t usagePage = 0;
    std::int64_t logicalMinimum = 0;
    std::int64_t logicalMaximumSigned = 0;
    std::int64_t logicalMaximumUnsigned = 0;
    std::int64_t physicalMinimum = 0;
    std::int64_t physicalMaximumSigned = 0;
    std::int64_t physicalMaximumUnsigned = 0;
    std::int32_t unitExponent = 0;
    std::uint32_t unit = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

// A usage with its page: its own when declared with four bytes (extended), otherwise the
// Usage Page current at its declaration, which the main item may still replace.
struct DeclaredUsage {
    std::uint32_t value = 0;
    bool extended = false;
};

struct Locals {
    std::vector<DeclaredUsage> usages;
    std::optional<DeclaredUsage> usageMinimum;
    std::optional<DeclaredUsage> usageMaximum;
    // The last complete range, resolved: what the field reports as its declared range.
    bool hasRange = false;
    std::uint32_t rangeMinimum = 0;
    std::uint32_t rangeMaximum = 0;
    std::uint32_t stringIndex = 0;
    int delimiterDepth = 0;
    int usagesInDelimiterSet = 0;
};

struct Item {
    std::uint8_t type = 0;
    std::uint8_t tag = 0;
    std::uint32_t size = 0;
    std::uint32_t unsignedData = 0;
    std::int32_t signedData = 0;
};

std::int32_t clampToInt32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

DeclaredUsage declared(const Item& item, std::uint16_t page) {
    if (item.size == 4) {
        return {item.unsignedData, true};
    }
    return {(std::uint32_t{page} << 16) | (item.unsignedData & 0xFFFF), false};
}

// The Linux kernel's reading (hid_concatenate_last_usage_page), which devices rely on: a
// Usage Page declared after the last short usages applies to them, back to the first short
// usage that already has that page.
void concatenateLastUsagePage(std::vector<DeclaredUsage>& usages, std::uint16_t page) {
    for (auto it = usages.rbegin(); it != usages.rend(); ++it) {
        if (it->extended) {
            continue;
        }
        if ((it->value >> 16) == page) {
            break;
        }
        it->value = (std::uint32_t{page} << 16) | (it->value & 0xFFFF);
    }
}

// A one-byte Unit Exponent of 0x08..0x0F is a 4-bit signed nibble (0x0E is -2); any other
// value is an ordinary signed number of its size (0xFE is -2 too).
std::int32_t unitExponentOf(const Item& item) {
    if (item.size == 1 && item.unsignedData >= 0x08 && item.unsignedData <= 0x0F) {
        return static_cast<std::int32_t>(item.unsignedData) - 16;
    }
    return item.signedData;
}

class Parser {
  public:
    explicit Parser(const Bytes& bytes) : bytes_(bytes) {}

    HidDescriptorResult run() {
        HidDescriptorResult result;
        if (bytes_.empty()) {
            result.error = QStringLiteral("the report descriptor is empty");
            return result;
        }
        while (pos_ < bytes_.size() && error_.isEmpty()) {
            step();
        }
        if (error_.isEmpty() && collectionDepth_ > 0) {
            fail(QStringLiteral("a collection opened at byte %1 is never closed")
                     .arg(openCollections_.back()));
        }
        if (error_.isEmpty() && delimiterOpen()) {
            fail(QStringLiteral("a delimiter set is never closed"));
        }
        if (!error_.isEmpty()) {
            result.error = error_;
            return result;
        }
        result.ok = true;
        result.descriptor = std::move(descriptor_);
        std::stable_sort(result.descriptor.reports.begin(), result.descriptor.reports.end(),
                         [](const HidReport& a, const HidReport& b) { return a.type < b.type; });
        return result;
    }

  private:
    bool delimiterOpen() const { return locals_.delimiterDepth > 0; }

    void fail(const QString& message) {
        if (error_.isEmpty()) {
            error_ = message;
        }
    }

    void step() {
        const std::size_t start = pos_;
        const std::uint8_t prefix = bytes_[pos_];
        if (prefix == 0xFE) {  // long item: size, tag, data; no long tags are defined
            if (bytes_.size() - pos_ < 3) {
                fail(QStringLiteral("truncated long item at byte %1").arg(start));
                return;
            }
            const std::size_t dataSize = bytes_[pos_ + 1];
            if (bytes_.size() - pos_ - 3 < dataSize) {
                fail(QStringLiteral(
                         "truncated long item at byte %1: %2 data bytes declared, %3 left")
                         .arg(start)
                         .arg(dataSize)
                         .arg(bytes_.size() - pos_ - 3));
                return;
            }
            pos_ += 3 + dataSize;
            return;
        }
        static constexpr std::uint32_t kSizes[4] = {0, 1, 2, 4};
        Item item;
        item.size = kSizes[prefix & 3];
        item.type = (prefix >> 2) & 3;
        item.tag = prefix >> 4;
        if (bytes_.size() - pos_ - 1 < item.size) {
            fail(QStringLiteral("truncated item 0x%1 at byte %2: %3 data bytes declared, %4 left")
                     .arg(prefix, 2, 16, QLatin1Char('0'))
                     .arg(start)
                     .arg(item.size)
                     .arg(bytes_.size() - pos_ - 1));
            return;
        }
        for (std::uint32_t i = 0; i < item.size; ++i) {
            item.unsignedData |= std::uint32_t{bytes_[pos_ + 1 + i]} << (8 * i);
        }
        // One and two data bytes extend from their top bit; four bytes are the whole number.
        const std::uint32_t sign = item.size == 0 ? 0 : 1u << (8 * item.size - 1);
        item.signedData = static_cast<std::int32_t>((item.unsignedData ^ sign) - sign);
        pos_ += 1 + item.size;
        switch (item.type) {
            case kMain:
                mainItem(item, start);
                break;
            case kGlobal:
                globalItem(item, start);
                break;
            case kLocal:
                localItem(item, start);
                break;
            default:
                fail(QStringLiteral("item 0x%1 at byte %2 has the reserved item type")
                         .arg(prefix, 2, 16, QLatin1Char('0'))
                         .arg(start));
        }
    }

    void globalItem(const Item& item, std::size_t at) {
        switch (item.tag) {
            case 0:
                globals_.usagePage = static_cast<std::uint16_t>(item.unsignedData);
                break;
            case 1:
                globals_.logicalMinimum = item.signedData;
                break;
            case 2:
                globals_.logicalMaximumSigned = item.signedData;
                globals_.logicalMaximumUnsigned = item.unsignedData;
                break;
            case 3:
                globals_.physicalMinimum = item.signedData;
                break;
            case 4:
                globals_.physicalMaximumSigned = item.signedData;
                globals_.physicalMaximumUnsigned = item.unsignedData;
                break;
            case 5:
                globals_.unitExponent = unitExponentOf(item);
                break;
            case 6:
                globals_.unit = item.unsignedData;
                break;
            case 7:
                globals_.reportSize = item.unsignedData;
                break;
            case 8:
                reportIdItem(item, at);
                break;
            case 9:
                if (item.unsignedData > kMaxReportCount) {
                    fail(QStringLiteral("Report Count %1 at byte %2 is too large")
                             .arg(item.unsignedData)
                             .arg(at));
                }
                globals_.reportCount = item.unsignedData;
                break;
            case 10:
                if (stack_.size() >= kMaxPushDepth) {
                    fail(QStringLiteral("Push at byte %1 nests deeper than %2")
                             .arg(at)
                             .arg(kMaxPushDepth));
                    return;
                }
                stack_.push_back(globals_);
                break;
            case 11:
                if (stack_.empty()) {
                    fail(QStringLiteral("Pop at byte %1 without a matching Push").arg(at));
                    return;
                }
                globals_ = stack_.back();
                stack_.pop_back();
                break;
            default:
                fail(QStringLiteral("global item at byte %1 has the reserved tag %2")
                         .arg(at)
                         .arg(item.tag));
        }
    }

    void reportIdItem(const Item& item, std::size_t at) {
        if (item.unsignedData == 0 || item.unsignedData > 255) {
            fail(QStringLiteral("Report ID %1 at byte %2 is not 1 to 255")
                     .arg(item.unsignedData)
                     .arg(at));
            return;
        }
        if (!descriptor_.numberedReports && !descriptor_.reports.empty()) {
            fail(QStringLiteral("Report ID at byte %1 follows data without a report id").arg(at));
            return;
        }
        descriptor_.numberedReports = true;
        globals_.reportId = static_cast<std::uint8_t>(item.unsignedData);
    }

    void localItem(const Item& item, std::size_t at) {
        const DeclaredUsage usage = declared(item, globals_.usagePage);
        switch (item.tag) {
            case 0:
                if (delimiterOpen() && locals_.usagesInDelimiterSet++ > 0) {
                    return;  // alternatives of a delimited set: the first one stands
                }
                if (locals_.usages.size() >= kMaxUsagesPerField) {
                    fail(QStringLiteral("the usage at byte %1 gives a field more than %2 usages")
                             .arg(at)
                             .arg(kMaxUsagesPerField));
                    return;
                }
                locals_.usages.push_back(usage);
                break;
            case 1:
                locals_.usageMinimum = usage;
                break;
            case 2:
                locals_.usageMaximum = usage;
                break;
            case 7:
                locals_.stringIndex = item.unsignedData;
                break;
            case 10:
                if (item.unsignedData == 1) {
                    if (delimiterOpen()) {
                        fail(QStringLiteral("nested delimiter at byte %1").arg(at));
                        return;
                    }
                    locals_.delimiterDepth = 1;
                    locals_.usagesInDelimiterSet = 0;
                } else if (item.unsignedData == 0) {
                    if (!delimiterOpen()) {
                        fail(QStringLiteral("delimiter close at byte %1 without an open set")
                                 .arg(at));
                        return;
                    }
                    locals_.delimiterDepth = 0;
                }
                break;
            default:
                break;  // designators and string ranges do not shape reports
        }
        if (locals_.usageMinimum && locals_.usageMaximum) {
            addUsageRange(at);
        }
    }

    // Expands a Usage Minimum/Maximum pair into the usage list once both are known. A range
    // longer than a field may hold is trimmed, as the kernel does: real keyboards declare
    // 65536 usages for a field of two elements.
    void addUsageRange(std::size_t at) {
        const DeclaredUsage minimum = *locals_.usageMinimum;
        const DeclaredUsage maximum = *locals_.usageMaximum;
        locals_.usageMinimum.reset();
        locals_.usageMaximum.reset();
        const std::uint32_t lo = minimum.value;
        const std::uint32_t hi = maximum.value;
        if ((lo >> 16) != (hi >> 16) || lo > hi) {
            fail(QStringLiteral("usage range ending at byte %1 runs backwards or across pages")
                     .arg(at));
            return;
        }
        locals_.hasRange = true;
        locals_.rangeMinimum = lo;
        locals_.rangeMaximum = hi;
        const std::uint64_t room = kMaxUsagesPerField - locals_.usages.size();
        const std::uint64_t kept = std::min<std::uint64_t>(std::uint64_t{hi} - lo + 1, room);
        for (std::uint64_t u = lo; u < lo + kept; ++u) {
            locals_.usages.push_back({static_cast<std::uint32_t>(u), maximum.extended});
        }
    }

    void mainItem(const Item& item, std::size_t at) {
        switch (item.tag) {
            case 8:
                dataItem(HidReportType::Input, item, at);
                break;
            case 9:
                dataItem(HidReportType::Output, item, at);
                break;
            case 11:
                dataItem(HidReportType::Feature, item, at);
                break;
            case 10:
                if (collectionDepth_ == 0 && item.unsignedData == 1) {
                    concatenateLastUsagePage(locals_.usages, globals_.usagePage);
                    descriptor_.applicationUsages.push_back(
                        locals_.usages.empty() ? 0 : locals_.usages.front().value);
                }
                ++collectionDepth_;
                openCollections_.push_back(at);
                break;
            case 12:
                if (collectionDepth_ == 0) {
                    fail(QStringLiteral("End Collection at byte %1 without an open collection")
                             .arg(at));
                    return;
                }
                --collectionDepth_;
                openCollections_.pop_back();
                break;
            default:
                fail(QStringLiteral("main item at byte %1 has the reserved tag %2")
                         .arg(at)
                         .arg(item.tag));
                return;
        }
        if (delimiterOpen()) {
            fail(QStringLiteral("main item at byte %1 inside an open delimiter set").arg(at));
        }
        locals_ = Locals{};  // locals, the declared usage range included, end with the item
    }

    HidReport& reportFor(HidReportType type, std::uint8_t id) {
        for (HidReport& r : descriptor_.reports) {
            if (r.type == type && r.id == id) {
                return r;
            }
        }
        descriptor_.reports.push_back(HidReport{type, id, 0, {}});
        return descriptor_.reports.back();
    }

    void dataItem(HidReportType type, const Item& item, std::size_t at) {
        if (locals_.usageMinimum || locals_.usageMaximum) {
            fail(QStringLiteral("main item at byte %1 has half a usage range").arg(at));
            return;
        }
        const std::uint64_t bits = std::uint64_t{globals_.reportSize} * globals_.reportCount;
        if (bits == 0) {
            return;  // declares nothing on the wire
        }
        // Push and Pop can bring back the id 0 of before the first Report ID item.
        if (descriptor_.numberedReports && globals_.reportId == 0) {
            fail(QStringLiteral("main item at byte %1 has no report id in a descriptor that "
                                "numbers its reports")
                     .arg(at));
            return;
        }
        HidReport& report = reportFor(type, globals_.reportId);
        if (report.bitLength + bits > kMaxReportBits) {
            fail(QStringLiteral("report %1 grows beyond %2 bytes at byte %3")
                     .arg(globals_.reportId)
                     .arg(kMaxReportBytes)
                     .arg(at));
            return;
        }
        if (totalBits_ + bits > std::uint64_t{kMaxInterfaceReportBytes} * 8) {
            fail(QStringLiteral("the reports grow beyond %1 bytes in all at byte %2")
                     .arg(kMaxInterfaceReportBytes)
                     .arg(at));
            return;
        }
        HidField field;
        field.reportId = globals_.reportId;
        field.bitOffset = report.bitLength;
        field.bitSize = globals_.reportSize;
        field.count = globals_.reportCount;
        field.flags = item.unsignedData;
        concatenateLastUsagePage(locals_.usages, globals_.usagePage);
        // A variable field's elements beyond its count have no usage to take.
        const std::size_t usable = field.isVariable()
                                       ? std::min<std::size_t>(locals_.usages.size(), field.count)
                                       : locals_.usages.size();
        for (std::size_t i = 0; i < usable; ++i) {
            field.usages.push_back(locals_.usages[i].value);
        }
        field.usagePage = field.usages.empty() ? globals_.usagePage
                                               : static_cast<std::uint16_t>(field.usages[0] >> 16);
        field.hasUsageRange = locals_.hasRange;
        field.usageMinimum = locals_.rangeMinimum;
        field.usageMaximum = locals_.rangeMaximum;
        // A negative minimum makes the maximum signed too; otherwise it is read unsigned,
        // so 0..255 declared as 0x00 / 0xFF means what the device maker meant.
        field.logicalMinimum = clampToInt32(globals_.logicalMinimum);
        field.logicalMaximum =
            clampToInt32(globals_.logicalMinimum < 0 ? globals_.logicalMaximumSigned
                                                     : globals_.logicalMaximumUnsigned);
        field.physicalMinimum = clampToInt32(globals_.physicalMinimum);
        field.physicalMaximum =
            clampToInt32(globals_.physicalMinimum < 0 ? globals_.physicalMaximumSigned
                                                      : globals_.physicalMaximumUnsigned);
        field.unit = globals_.unit;
        field.unitExponent = globals_.unitExponent;
        field.stringIndex = locals_.stringIndex;
        if (variables_ + field.variableCount() > kMaxVariables) {
            fail(QStringLiteral("the reports hold more than %1 variables at byte %2")
                     .arg(kMaxVariables)
                     .arg(at));
            return;
        }
        variables_ += field.variableCount();
        totalBits_ += bits;
        report.bitLength += static_cast<std::uint32_t>(bits);
        report.fields.push_back(std::move(field));
    }

    const Bytes& bytes_;
    std::size_t pos_ = 0;
    QString error_;
    Globals globals_;
    std::vector<Globals> stack_;
    Locals locals_;
    std::uint64_t totalBits_ = 0;  // of every report
    std::size_t variables_ = 0;    // of every report
    int collectionDepth_ = 0;
    std::vector<std::size_t> openCollections_;
    HidReportDescriptor descriptor_;
};

}  // namespace

std::size_t HidField::variableCount() const {
    if (isConstant()) {
        return 0;
    }
    return isVariable() ? count : usages.size();
}

std::uint32_t HidField::usageOfElement(std::uint32_t i) const {
    if (usages.empty()) {
        return 0;
    }
    return i < usages.size() ? usages[i] : usages.back();
}

const HidReport* HidReportDescriptor::find(HidReportType type, std::uint8_t id) const {
    for (const HidReport& r : reports) {
        if (r.type == type && r.id == id) {
            return &r;
        }
    }
    return nullptr;
}

HidDescriptorResult parseHidDescriptor(const Bytes& bytes) {
    return Parser(bytes).run();
}

}  // namespace modulelink
