#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "Descriptors.h"
#include "TempFolder.h"
#include "foreign/DeviceRoles.h"
#include "foreign/ForeignDescriptors.h"
#include "foreign/ForeignLayout.h"

using namespace foreign;

namespace {

std::optional<ForeignLayout> classify(const modulelink::Bytes& bytes, std::uint16_t vendor = 1,
                                      std::uint16_t product = 1) {
    const modulelink::HidDescriptorResult r = modulelink::parseHidDescriptor(bytes);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    return classifyDevice(vendor, product, r.descriptor);
}

TEST(ForeignLayout, BuzzControllersGameControllersAndNothingElse) {
    const auto buzz = classify(kBuzzDescriptor, kBuzzVendorId, kBuzzWirelessProductId);
    ASSERT_TRUE(buzz);
    EXPECT_EQ(buzz->kind, DeviceKind::Buzz);
    EXPECT_TRUE(buzz->hasLamps);
    ASSERT_EQ(buzz->buttonCount(), 20);
    EXPECT_EQ(buzz->buttonBits.front(), 16u) << "after the two axis bytes";
    EXPECT_EQ(buzz->buttonBits.back(), 35u);
    // The Buzz! layout is known by its 20 buttons under any ids.
    EXPECT_EQ(classify(kBuzzDescriptor)->kind, DeviceKind::Buzz);

    const auto encoder = classify(kArcadeEncoderDescriptor);
    ASSERT_TRUE(encoder);
    EXPECT_EQ(encoder->kind, DeviceKind::GameController);
    EXPECT_EQ(encoder->buttonCount(), 12);
    EXPECT_FALSE(encoder->hasLamps);
    EXPECT_EQ(classify(descriptors::kGamepad)->buttonCount(), 14);

    // Keyboards and mice have buttons too, but are no buzzers, whatever their ids say.
    EXPECT_FALSE(classify(descriptors::kBootKeyboard));
    EXPECT_FALSE(classify(descriptors::kBootMouse));
    EXPECT_FALSE(classify(descriptors::kMouseAndMediaKeys));
    EXPECT_FALSE(classify(descriptors::kBootMouse, kBuzzVendorId, kBuzzWiredProductId))
        << "Buzz! ids without the Buzz! buttons";
}

// The descriptor fuzzer starts from the foreign devices the console takes.
TEST(ForeignLayout, TheForeignDescriptorsAreFuzzSeeds) {
    for (const auto& [name, bytes] : {std::pair{"buzz-dongle.bin", kBuzzDescriptor},
                                      std::pair{"arcade-encoder.bin", kArcadeEncoderDescriptor}}) {
        QFile seed(QStringLiteral(QVX_FUZZ_CORPUS_DIR "/hid_descriptor/") + name);
        ASSERT_TRUE(seed.open(QIODevice::ReadOnly)) << name;
        const QByteArray read = seed.readAll();
        EXPECT_EQ(modulelink::Bytes(read.begin(), read.end()), bytes) << name;
    }
}

TEST(ForeignLayout, ButtonsHeldAreReadFromTheirOwnReportOnly) {
    const ForeignLayout buzz = *classify(kBuzzDescriptor);
    const auto held = buzz.buttonsHeld({0x7F, 0x7F, 0x21, 0x00, 0x08});
    ASSERT_TRUE(held);
    std::vector<int> down;
    for (std::size_t n = 0; n < held->size(); ++n) {
        if ((*held)[n]) {
            down.push_back(static_cast<int>(n) + 1);
        }
    }
    EXPECT_EQ(down, (std::vector<int>{1, 6, 20})) << "handset 1 red, handset 2 red, 4 blue";
    EXPECT_FALSE(buzz.buttonsHeld({0x7F, 0x7F, 0x21, 0x00})) << "a short report";

    const ForeignLayout numbered =
        *classify({0x05, 0x01, 0x09, 0x05, 0xA1, 0x01, 0x85, 0x03, 0x05, 0x09, 0x19, 0x01, 0x29,
                   0x08, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0});
    EXPECT_EQ(numbered.inputReportId, 3);
    EXPECT_TRUE(numbered.buttonsHeld({3, 0x01}));
    EXPECT_FALSE(numbered.buttonsHeld({4, 0x01})) << "another report";
}

TEST(DeviceRoles, KeptInTheSettingsFileAndDamageReadsAsTheDefault) {
    const test::TempFolder folder;
    const QString file = folder.path() + "/qvxconsole.conf";
    DeviceRole role;
    role.fourTeams = true;
    role.buttonOfPlayer = {3, 4, 0, 1, 12};
    SettingsRoleStore(file).setRole("054c:0002@1-2:1.0", role);
    EXPECT_EQ(SettingsRoleStore(file).roleOf("054c:0002@1-2:1.0"), role);
    EXPECT_EQ(SettingsRoleStore(file).roleOf("054c:0002@1-3:1.0"), DeviceRole{});

    QSettings(file, QSettings::IniFormat)
        .setValue(
            "ForeignDevices/" + QString::fromLatin1(QByteArray("pad").toHex()) + "/buttonOfPlayer",
            "1,2,x,4,5");
    EXPECT_EQ(SettingsRoleStore(file).roleOf("pad"), DeviceRole{});
}

}  // namespace
