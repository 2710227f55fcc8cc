#include <gtest/gtest.h>

#include <random>

#include "Descriptors.h"
#include "modulelink/HidDescriptor.h"

using namespace modulelink;

namespace {

HidReportDescriptor parsed(const Bytes& bytes) {
    const HidDescriptorResult r = parseHidDescriptor(bytes);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    return r.descriptor;
}

QString errorOf(const Bytes& bytes) {
    const HidDescriptorResult r = parseHidDescriptor(bytes);
    EXPECT_FALSE(r.ok);
    return r.error;
}

constexpr std::uint32_t usage(std::uint16_t page, std::uint16_t id) {
    return std::uint32_t{page} << 16 | id;
}

// The full record of one field, for known answers.
struct Expected {
    std::uint32_t bitOffset, bitSize, count, flags;
    std::uint16_t usagePage;
    std::uint32_t firstUsage, lastUsage;  // a run of usages; 0, 0 for none
    bool hasUsageRange;
    std::int32_t logicalMinimum, logicalMaximum;
};

HidField field(const Expected& e) {
    HidField f;
    f.bitOffset = e.bitOffset;
    f.bitSize = e.bitSize;
    f.count = e.count;
    f.flags = e.flags;
    f.usagePage = e.usagePage;
    for (std::uint32_t u = e.firstUsage; e.firstUsage != 0 && u <= e.lastUsage; ++u) {
        f.usages.push_back(u);
    }
    f.hasUsageRange = e.hasUsageRange;
    if (e.hasUsageRange) {
        f.usageMinimum = e.firstUsage;
        f.usageMaximum = e.lastUsage;
    }
    f.logicalMinimum = e.logicalMinimum;
    f.logicalMaximum = e.logicalMaximum;
    return f;
}

constexpr std::uint32_t kData = HidFieldFlag::Variable;  // data, variable, absolute
constexpr std::uint32_t kConstant = HidFieldFlag::Constant;
constexpr std::uint32_t kArray = 0;  // data, array, absolute

}  // namespace

namespace modulelink {
void PrintTo(const HidField& f, std::ostream* out) {
    *out << "{offset " << f.bitOffset << ", size " << f.bitSize << ", count " << f.count
         << ", flags " << f.flags << ", page " << f.usagePage << ", " << f.usages.size()
         << " usages, range " << f.hasUsageRange << " " << std::hex << f.usageMinimum << ".."
         << f.usageMaximum << std::dec << ", logical " << f.logicalMinimum << ".."
         << f.logicalMaximum << ", physical " << f.physicalMinimum << ".." << f.physicalMaximum
         << ", unit " << f.unit << " exp " << f.unitExponent << "}";
}
}  // namespace modulelink

namespace {

// The two boot descriptors of the HID 1.11 appendix, field by field: every member of every
// field is compared.
TEST(HidDescriptor, TheBootKeyboardParsesToExactlyItsFields) {
    const HidReportDescriptor d = parsed(descriptors::kBootKeyboard);
    EXPECT_FALSE(d.numberedReports);
    ASSERT_EQ(d.reports.size(), 2u);
    const HidReport* in = d.find(HidReportType::Input, 0);
    const HidReport* out = d.find(HidReportType::Output, 0);
    ASSERT_TRUE(in && out);
    EXPECT_EQ(in->bitLength, 64u);
    EXPECT_EQ(in->payloadBytes(), 8u);
    EXPECT_EQ(in->fields,
              (std::vector<HidField>{
                  // modifier bits: left/right control, shift, alt, GUI
                  field({0, 1, 8, kData, 0x07, usage(7, 0xE0), usage(7, 0xE7), true, 0, 1}),
                  field({8, 8, 1, kConstant, 0x07, 0, 0, false, 0, 1}),  // the reserved byte
                  // six key codes, each selecting one of the usages 0x07:00..0x07:65
                  field({16, 8, 6, kArray, 0x07, usage(7, 0), usage(7, 0x65), true, 0, 0x65}),
              }));
    EXPECT_EQ(out->bitLength, 8u);
    EXPECT_EQ(out->fields, (std::vector<HidField>{
                               // five LEDs: num lock, caps lock, scroll lock, compose, kana
                               field({0, 1, 5, kData, 0x08, usage(8, 1), usage(8, 5), true, 0, 1}),
                               field({5, 3, 1, kConstant, 0x08, 0, 0, false, 0, 1}),
                           }));
}

TEST(HidDescriptor, TheBootMouseParsesToExactlyItsFields) {
    const HidReportDescriptor d = parsed(descriptors::kBootMouse);
    EXPECT_FALSE(d.numberedReports);
    ASSERT_EQ(d.reports.size(), 1u);
    const HidReport& in = d.reports[0];
    EXPECT_EQ(in.type, HidReportType::Input);
    EXPECT_EQ(in.bitLength, 24u);
    EXPECT_EQ(in.fields, (std::vector<HidField>{
                             field({0, 1, 3, kData, 0x09, usage(9, 1), usage(9, 3), true, 0, 1}),
                             field({3, 5, 1, kConstant, 0x09, 0, 0, false, 0, 1}),
                             // X and Y: declared one by one, no range of their own
                             field({8, 8, 2, kData | HidFieldFlag::Relative, 0x01, usage(1, 0x30),
                                    usage(1, 0x31), false, -127, 127}),
                         }));
}

TEST(HidDescriptor, GamepadHatHasNullStatePhysicalRangeAndUnit) {
    const HidReportDescriptor d = parsed(descriptors::kGamepad);
    const HidReport& in = d.reports.at(0);
    EXPECT_EQ(in.bitLength, 56u);
    ASSERT_EQ(in.fields.size(), 5u);
    EXPECT_EQ(in.fields[0].count, 14u);
    const HidField& hat = in.fields[2];
    EXPECT_EQ(hat.bitOffset, 16u);
    EXPECT_EQ(hat.bitSize, 4u);
    EXPECT_TRUE(hat.hasNullState());
    EXPECT_EQ(hat.logicalMaximum, 7);
    EXPECT_EQ(hat.physicalMaximum, 315);
    EXPECT_EQ(hat.unit, 0x14u);
    const HidField& sticks = in.fields[4];
    EXPECT_EQ(sticks.bitOffset, 24u);
    EXPECT_EQ(sticks.logicalMaximum, 255) << "0xFF with a minimum of 0 is unsigned";
    EXPECT_EQ(sticks.physicalMaximum, 255);
    EXPECT_EQ(sticks.usageOfElement(3), usage(1, 0x35));
}

TEST(HidDescriptor, ReportIdsSeparateReportsAndWideArrays) {
    const HidReportDescriptor d = parsed(descriptors::kMouseAndMediaKeys);
    EXPECT_TRUE(d.numberedReports);
    const HidReport* mouse = d.find(HidReportType::Input, 1);
    const HidReport* media = d.find(HidReportType::Input, 2);
    ASSERT_TRUE(mouse && media);
    EXPECT_EQ(mouse->bitLength, 32u);
    EXPECT_EQ(mouse->fields[2].usageOfElement(2), usage(1, 0x38));
    EXPECT_EQ(media->bitLength, 16u);
    EXPECT_EQ(media->fields[0].bitOffset, 0u) << "offsets count per report";
    EXPECT_EQ(media->fields[0].usages.size(), 0x23Du);
    EXPECT_EQ(media->fields[0].logicalMaximum, 0x23C);
    EXPECT_EQ(d.find(HidReportType::Input, 3), nullptr);
}

TEST(HidDescriptor, PushPopExtendedUsagesLongItemsAndDelimiters) {
    const Bytes bytes = {0x05, 0x01, 0x09, 0x00, 0xA1, 0x01,  // page 1, application
                         0xFE, 0x02, 0x10, 0xAA, 0xBB,        // long item, skipped
                         0x15, 0x00, 0x25, 0x0F, 0x75, 0x04, 0x95, 0x01,
                         0xA4,                          // push
                         0x15, 0xF8, 0x25, 0x07,        // signed -8..7
                         0x0B, 0xE9, 0x00, 0x0C, 0x00,  // extended usage: consumer volume up
                         0x81, 0x02,
                         0xB4,                                            // pop: 0..15 again
                         0xA9, 0x01, 0x09, 0x30, 0x09, 0x31, 0xA9, 0x00,  // delimited alternatives
                         0x81, 0x02, 0xC0};
    const HidReportDescriptor d = parsed(bytes);
    const HidReport& in = d.reports.at(0);
    ASSERT_EQ(in.fields.size(), 2u);
    EXPECT_EQ(in.fields[0].usageOfElement(0), usage(0x0C, 0xE9));
    EXPECT_EQ(in.fields[0].usagePage, 0x0C);
    EXPECT_EQ(in.fields[0].logicalMinimum, -8);
    EXPECT_EQ(in.fields[1].logicalMinimum, 0);
    EXPECT_EQ(in.fields[1].logicalMaximum, 15);
    EXPECT_EQ(in.fields[1].usages, std::vector<std::uint32_t>{usage(1, 0x30)});
    EXPECT_EQ(in.fields[1].bitOffset, 4u);
}

TEST(HidDescriptor, FieldsOutsideCollectionsAndEmptyItemsAreFine) {
    const HidReportDescriptor d = parsed({0x75, 0x08, 0x95, 0x00, 0x81, 0x02,  // no bits
                                          0x95, 0x02, 0x91, 0x02});
    ASSERT_EQ(d.reports.size(), 1u);
    EXPECT_EQ(d.reports[0].type, HidReportType::Output);
    EXPECT_EQ(d.reports[0].bitLength, 16u);
    EXPECT_EQ(d.reports[0].fields[0].usageOfElement(1), 0u) << "no usage declared";
}

TEST(HidDescriptor, MalformedDescriptorsSayWhatIsWrong) {
    EXPECT_TRUE(errorOf({}).contains("empty"));
    EXPECT_TRUE(errorOf({0x05, 0x01, 0x26, 0xFF}).contains("truncated item 0x26 at byte 2"));
    EXPECT_TRUE(errorOf({0xC0}).contains("End Collection at byte 0"));
    EXPECT_TRUE(errorOf({0xA1, 0x01, 0xA1, 0x00, 0xC0}).contains("never closed"));
    EXPECT_TRUE(errorOf({0xB4}).contains("Pop at byte 0"));
    EXPECT_TRUE(errorOf({0x85, 0x00}).contains("Report ID 0"));
    EXPECT_TRUE(errorOf({0x0C}).contains("reserved item type"));
    EXPECT_TRUE(errorOf({0xFE, 0x05, 0x00, 0x01}).contains("truncated long item"));
    EXPECT_TRUE(errorOf({0x19, 0x05, 0x81, 0x02}).contains("half a usage range"));
    EXPECT_TRUE(errorOf({0x19, 0x05, 0x29, 0x01}).contains("backwards"));
    EXPECT_TRUE(errorOf({0xF0, 0x00}).contains("reserved tag"));
    EXPECT_TRUE(errorOf({0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x85, 0x01})
                    .contains("follows data without a report id"));
    EXPECT_TRUE(errorOf({0x76, 0x00, 0x01, 0x96, 0x00, 0x01, 0x81, 0x02}).contains("beyond"));
    Bytes deep;
    for (int i = 0; i < 40; ++i) {
        deep.push_back(0xA4);
    }
    EXPECT_TRUE(errorOf(deep).contains("Push at byte 32"));
}

// Every cut of a valid descriptor and random noise must give a result, never a crash or a
// read past the end (the sanitizer build checks the latter).
TEST(HidDescriptor, TruncationsAndNoiseNeverReadOutOfBounds) {
    for (const Bytes* d :
         {&descriptors::kBootKeyboard, &descriptors::kGamepad, &descriptors::kMouseAndMediaKeys}) {
        for (std::size_t n = 0; n < d->size(); ++n) {
            const HidDescriptorResult r = parseHidDescriptor(Bytes(d->begin(), d->begin() + n));
            EXPECT_TRUE(r.ok || !r.error.isEmpty()) << n;
        }
    }
    std::mt19937 random(12345);
    int rejected = 0;
    for (int i = 0; i < 2000; ++i) {
        Bytes noise(1 + random() % 64);
        for (auto& b : noise) {
            b = static_cast<std::uint8_t>(random());
        }
        const HidDescriptorResult r = parseHidDescriptor(noise);
        rejected += r.ok ? 0 : 1;
        EXPECT_TRUE(r.ok || !r.error.isEmpty());
    }
    EXPECT_GT(rejected, 1000);
}

}  // namespace

namespace {

// A one-byte Unit Exponent of 0x08..0x0F is a signed nibble; other values are plain signed
// numbers of their size.
TEST(HidDescriptor, UnitExponentsReadAsTheirSignedValue) {
    const auto exponentOf = [](std::initializer_list<std::uint8_t> item) {
        Bytes d(item);
        d.insert(d.end(), {0x75, 0x08, 0x95, 0x01, 0x81, 0x02});
        return parsed(d).reports.at(0).fields.at(0).unitExponent;
    };
    EXPECT_EQ(exponentOf({0x55, 0x0E}), -2);
    EXPECT_EQ(exponentOf({0x55, 0x08}), -8);
    EXPECT_EQ(exponentOf({0x55, 0x07}), 7);
    EXPECT_EQ(exponentOf({0x55, 0xFE}), -2);
    EXPECT_EQ(exponentOf({0x55, 0x88}), -120);
    EXPECT_EQ(exponentOf({0x56, 0xFE, 0xFF}), -2);
    EXPECT_EQ(exponentOf({0x56, 0x0E, 0x00}), 14) << "two bytes are never a nibble";
}

// Push saves the report id and Pop brings it back, the id 0 of before the first Report ID
// item included: a data item must never land in a report 0 of a numbered descriptor.
TEST(HidDescriptor, PushAndPopCannotBringBackReportIdZero) {
    EXPECT_TRUE(errorOf({0xA4, 0x85, 0x01, 0xB4, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02})
                    .contains("main item at byte 8 has no report id"));
    EXPECT_TRUE(errorOf({0x75, 0x08, 0x95, 0x01, 0xA4, 0x85, 0x01, 0xB4, 0x81, 0x02, 0x85, 0x02,
                         0x81, 0x02})
                    .contains("main item at byte 8 has no report id"));
    // Popping back to another real id is fine.
    const HidReportDescriptor d = parsed(
        {0x75, 0x08, 0x95, 0x01, 0x85, 0x01, 0xA4, 0x85, 0x02, 0x81, 0x02, 0xB4, 0x81, 0x02});
    ASSERT_EQ(d.reports.size(), 2u);
    EXPECT_EQ(d.reports[0].id, 2);
    EXPECT_EQ(d.reports[1].id, 1);
}

TEST(HidDescriptor, AUsageRangeBelongsToItsOwnFieldOnly) {
    const HidReportDescriptor d =
        parsed({0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02,
                0x05, 0x01, 0x09, 0x30, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x81, 0x02});
    const std::vector<HidField>& fields = d.reports.at(0).fields;
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_TRUE(fields[0].hasUsageRange);
    EXPECT_EQ(fields[0].usageMaximum, usage(9, 3));
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_FALSE(fields[i].hasUsageRange) << i;
        EXPECT_EQ(fields[i].usageMinimum, 0u) << i;
        EXPECT_EQ(fields[i].usageMaximum, 0u) << i;
    }
    EXPECT_TRUE(fields[2].usages.empty()) << "usages end with their main item";
}

TEST(HidDescriptor, AnOverlongUsageRangeIsTrimmedNotRefused) {
    // 4096 usages: the most one field may have, and all of them are there.
    const HidReportDescriptor d =
        parsed({0x19, 0x00, 0x2A, 0xFF, 0x0F, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00});
    const HidField& f = d.reports.at(0).fields.at(0);
    EXPECT_EQ(f.usages.size(), 4096u);
    EXPECT_EQ(f.usageMaximum, 0xFFFu);
    EXPECT_EQ(f.usages.back(), f.usageMaximum);

    // A keyboard's vendor field: 65536 usages declared for two 8-bit variable elements.
    const HidReportDescriptor keyboard = parsed(
        {0x06, 0x00, 0xFF, 0x19, 0x00, 0x2A, 0xFF, 0xFF, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02});
    const HidField& vendor = keyboard.reports.at(0).fields.at(0);
    EXPECT_EQ(vendor.usages, (std::vector<std::uint32_t>{usage(0xFF00, 0), usage(0xFF00, 1)}));
    EXPECT_EQ(vendor.usageMaximum, usage(0xFF00, 0xFFFF)) << "the declared range stays";
    // The same range on an array keeps the first 4096, the most a field may hold.
    const HidReportDescriptor array =
        parsed({0x19, 0x00, 0x2A, 0xFF, 0xFF, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00});
    EXPECT_EQ(array.reports.at(0).fields.at(0).usages.size(), 4096u);
    // Ranges of one field add up to the same limit; what no longer fits is dropped.
    const HidReportDescriptor two = parsed(
        {0x19, 0x00, 0x29, 0x01, 0x19, 0x00, 0x2A, 0xFF, 0x0F, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00});
    const HidField& both = two.reports.at(0).fields.at(0);
    ASSERT_EQ(both.usages.size(), 4096u);
    EXPECT_EQ(both.usages[2], 0u);
    EXPECT_EQ(both.usages.back(), 0xFFDu);
    // Usages one by one are refused beyond the limit: no real device lists 4097 of them.
    Bytes oneByOne;
    for (int i = 0; i <= 4096; ++i) {
        oneByOne.insert(oneByOne.end(), {0x09, 0x30});
    }
    EXPECT_TRUE(errorOf(oneByOne).contains("more than 4096 usages"));
}

// Usages as the kernel reads them: a short usage takes the page current at its declaration;
// at the main item the last Usage Page goes onto the short usages declared before it, back
// to the first one that already has that page. Random item runs against that rule, stated
// here on its own.
TEST(HidDescriptor, ShortUsagesTakeTheirPageAsTheKernelReadsThem) {
    // Known answers first.
    const auto usagesOf = [](Bytes items) {
        items.insert(items.end(), {0x75, 0x01, 0x95, 0x08, 0x81, 0x02});
        const HidReportDescriptor d = parsed(items);
        return d.reports.at(0).fields.at(0).usages;
    };
    using U = std::vector<std::uint32_t>;
    EXPECT_EQ(usagesOf({0x05, 0x01, 0x09, 0x30, 0x05, 0x09, 0x19, 0x01, 0x29, 0x02}),
              (U{usage(1, 0x30), usage(9, 1), usage(9, 2)}));
    EXPECT_EQ(usagesOf({0x09, 0x30, 0x05, 0x09}), (U{usage(9, 0x30)})) << "page after the usage";
    EXPECT_EQ(usagesOf({0x05, 0x01, 0x09, 0x30, 0x05, 0x09, 0x09, 0x01, 0x05, 0x0C}),
              (U{usage(0x0C, 0x30), usage(0x0C, 1)}));
    EXPECT_EQ(usagesOf({0x05, 0x01, 0x09, 0x30, 0x0B, 0x03, 0x00, 0x09, 0x00, 0x05, 0x0C}),
              (U{usage(0x0C, 0x30), usage(9, 3)}))
        << "extended usages keep their page and do not stop the walk";

    std::mt19937 random(21);
    for (int run = 0; run < 3000; ++run) {
        Bytes items;
        std::vector<std::pair<std::uint32_t, bool>> expected;  // usage, extended
        std::uint16_t page = 0;
        const int count = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < count; ++i) {
            const std::uint16_t id = static_cast<std::uint16_t>(random() % 4);
            switch (random() % 4) {
                case 0:
                    page = static_cast<std::uint16_t>(random() % 3);
                    items.insert(items.end(), {0x05, static_cast<std::uint8_t>(page)});
                    break;
                case 1:
                    items.insert(items.end(), {0x09, static_cast<std::uint8_t>(id)});
                    expected.emplace_back(std::uint32_t{page} << 16 | id, false);
                    break;
                case 2:
                    items.insert(items.end(), {0x0A, static_cast<std::uint8_t>(id), 0x00});
                    expected.emplace_back(std::uint32_t{page} << 16 | id, false);
                    break;
                default:
                    items.insert(items.end(),
                                 {0x0B, static_cast<std::uint8_t>(id), 0x00, 0x05, 0x00});
                    expected.emplace_back(std::uint32_t{5} << 16 | id, true);
            }
        }
        for (std::size_t i = expected.size(); i-- > 0;) {
            if (expected[i].second) {
                continue;
            }
            if (expected[i].first >> 16 == page) {
                break;
            }
            expected[i].first = std::uint32_t{page} << 16 | (expected[i].first & 0xFFFF);
        }
        U want;
        for (std::size_t i = 0; i < expected.size() && i < 8; ++i) {
            want.push_back(expected[i].first);
        }
        EXPECT_EQ(usagesOf(items), want) << "run " << run;
    }
}

// What one interface may cost: a descriptor that passes the per-report limit hundreds of
// times over is refused before anything is built from it.
TEST(HidDescriptor, AnInterfaceBeyondItsLimitsIsRefused) {
    const Bytes bits = descriptors::wideBitReports();
    ASSERT_EQ(bits.size(), 3831u);
    EXPECT_TRUE(errorOf(bits).contains("more than 16384 variables"));
    EXPECT_TRUE(errorOf(descriptors::wideArrayReports()).contains("more than 16384 variables"));

    // Padding is no variable, but its bytes count: 16 full reports fit, 17 do not.
    const auto padding = [](int reports) {
        Bytes d{0x75, 0x08, 0x96, 0x00, 0x10};
        for (int id = 1; id <= reports; ++id) {
            d.insert(d.end(), {0x85, static_cast<std::uint8_t>(id), 0x81, 0x01});
        }
        return d;
    };
    EXPECT_EQ(parsed(padding(16)).reports.size(), 16u);
    EXPECT_TRUE(errorOf(padding(17)).contains("beyond 65536 bytes in all"));

    // Four reports of 4096 array usages are exactly the variables allowed.
    Bytes four{0x75, 0x10, 0x95, 0x01};
    for (int id = 1; id <= 4; ++id) {
        four.insert(four.end(), {0x85, static_cast<std::uint8_t>(id), 0x19, 0x00, 0x2A, 0xFF, 0x0F,
                                 0x81, 0x00});
    }
    EXPECT_EQ(parsed(four).reports.size(), 4u);
}

TEST(HidDescriptor, BadSizesCountsAndNesting) {
    // 0-bit fields declare nothing; 32-bit fields are whole.
    HidReportDescriptor d = parsed({0x75, 0x00, 0x95, 0x08, 0x81, 0x02, 0x75, 0x20, 0x95, 0x01,
                                    0x27, 0xFF, 0xFF, 0xFF, 0x7F, 0x81, 0x02});
    ASSERT_EQ(d.reports.at(0).fields.size(), 1u);
    EXPECT_EQ(d.reports[0].fields[0].bitSize, 32u);
    EXPECT_EQ(d.reports[0].fields[0].logicalMaximum, 0x7FFFFFFF);

    EXPECT_TRUE(errorOf({0x75, 0x20, 0x96, 0xFF, 0xFF, 0x81, 0x02}).contains("grows beyond 4096"));
    EXPECT_TRUE(errorOf({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x95, 0x01, 0x81, 0x02})
                    .contains("grows beyond 4096"));
    EXPECT_TRUE(errorOf({0x97, 0x00, 0x00, 0x01, 0x00}).contains("Report Count 65536"));

    Bytes nested;
    for (int i = 0; i < 1000; ++i) {
        nested.insert(nested.end(), {0xA1, 0x00});
    }
    nested.insert(nested.end(), {0x75, 0x08, 0x95, 0x01, 0x81, 0x02});
    EXPECT_TRUE(errorOf(nested).contains("a collection opened at byte 1998 is never closed"));
    nested.insert(nested.end(), 1000, 0xC0);
    EXPECT_EQ(parsed(nested).reports.at(0).bitLength, 8u);

    // A Push without its Pop leaves nothing behind that matters.
    d = parsed({0xA4, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xA4});
    EXPECT_EQ(d.reports.at(0).bitLength, 8u);
    EXPECT_TRUE(errorOf({0x75, 0x08, 0xB4}).contains("Pop at byte 2 without a matching Push"));
    // A long item whose data runs past the end.
    EXPECT_TRUE(errorOf({0x75, 0x08, 0xFE, 0xFF, 0x00, 0x01}).contains("truncated long item"));
}

}  // namespace
