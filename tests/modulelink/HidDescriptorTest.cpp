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

}  // namespace

TEST(HidDescriptor, BootKeyboardHasModifiersPaddingKeyArrayAndLeds) {
    const HidReportDescriptor d = parsed(descriptors::kBootKeyboard);
    EXPECT_FALSE(d.numberedReports);
    const HidReport* in = d.find(HidReportType::Input, 0);
    const HidReport* out = d.find(HidReportType::Output, 0);
    ASSERT_TRUE(in && out);
    EXPECT_EQ(in->bitLength, 64u);
    EXPECT_EQ(in->payloadBytes(), 8u);
    ASSERT_EQ(in->fields.size(), 3u);

    const HidField& modifiers = in->fields[0];
    EXPECT_EQ(modifiers.bitOffset, 0u);
    EXPECT_EQ(modifiers.bitSize, 1u);
    EXPECT_EQ(modifiers.count, 8u);
    EXPECT_TRUE(modifiers.isVariable());
    EXPECT_EQ(modifiers.usagePage, 0x07);
    EXPECT_EQ(modifiers.usageOfElement(0), usage(7, 0xE0));
    EXPECT_EQ(modifiers.usageOfElement(7), usage(7, 0xE7));

    EXPECT_TRUE(in->fields[1].isConstant());
    EXPECT_EQ(in->fields[1].bitOffset, 8u);

    const HidField& keys = in->fields[2];
    EXPECT_TRUE(keys.isArray());
    EXPECT_EQ(keys.bitOffset, 16u);
    EXPECT_EQ(keys.bitSize, 8u);
    EXPECT_EQ(keys.count, 6u);
    EXPECT_EQ(keys.logicalMaximum, 101);
    EXPECT_TRUE(keys.hasUsageRange);
    EXPECT_EQ(keys.usages.size(), 102u);
    EXPECT_EQ(keys.usages[4], usage(7, 4));

    EXPECT_EQ(out->bitLength, 8u);
    ASSERT_EQ(out->fields.size(), 2u);
    EXPECT_EQ(out->fields[0].usagePage, 0x08);
    EXPECT_EQ(out->fields[0].count, 5u);
    EXPECT_TRUE(out->fields[1].isConstant());
    EXPECT_EQ(out->fields[1].bitOffset, 5u);
    EXPECT_EQ(out->fields[1].bitSize, 3u);
}

TEST(HidDescriptor, BootMouseHasButtonsPaddingAndSignedRelativeAxes) {
    const HidReportDescriptor d = parsed(descriptors::kBootMouse);
    ASSERT_EQ(d.reports.size(), 1u);
    const HidReport& in = d.reports[0];
    EXPECT_EQ(in.bitLength, 24u);
    ASSERT_EQ(in.fields.size(), 3u);
    EXPECT_EQ(in.fields[0].usageOfElement(2), usage(9, 3));
    EXPECT_EQ(in.fields[1].bitSize, 5u);
    const HidField& axes = in.fields[2];
    EXPECT_EQ(axes.bitOffset, 8u);
    EXPECT_EQ(axes.logicalMinimum, -127);
    EXPECT_EQ(axes.logicalMaximum, 127);
    EXPECT_TRUE(axes.isRelative());
    EXPECT_EQ(axes.usageOfElement(0), usage(1, 0x30));
    EXPECT_EQ(axes.usageOfElement(1), usage(1, 0x31));
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
