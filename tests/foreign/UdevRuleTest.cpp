// Who may open which hidraw node: the package's udev rule grants Quorvantix modules and
// Buzz! dongles by their ids, game controllers only through qvx-hidraw-kind, which answers
// for a joystick or game pad that is nothing else. A keyboard or mouse, alone or in one
// interface with a joystick, never becomes the seat user's to read.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include "foreign/ForeignDescriptors.h"
#include "foreign/ForeignLayout.h"
#include "modulelink/HidDescriptor.h"

using namespace foreign;

namespace {

modulelink::HidReportDescriptor parsed(const modulelink::Bytes& bytes) {
    const modulelink::HidDescriptorResult r = modulelink::parseHidDescriptor(bytes);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    return r.descriptor;
}

modulelink::Bytes seed(const char* name) {
    QFile file(QStringLiteral(QVX_FUZZ_CORPUS_DIR "/hid_descriptor/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

// One keyboard collection (report 1) and one joystick collection (report 2) in one
// interface, as some keyboards with a game port have.
const modulelink::Bytes kKeyboardWithJoystick = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00,
    0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x06, 0x75, 0x08, 0x25, 0x65, 0x19, 0x00,
    0x29, 0x65, 0x81, 0x00, 0xC0, 0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x02, 0x05, 0x09, 0x19,
    0x01, 0x29, 0x08, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0};

// A joystick whose own collection also reports key codes.
const modulelink::Bytes kJoystickWithKeys = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x05, 0x09, 0x19, 0x01, 0x29, 0x08, 0x15,
    0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x05, 0x07, 0x19, 0x00,
    0x29, 0x65, 0x25, 0x65, 0x75, 0x08, 0x95, 0x01, 0x81, 0x00, 0xC0};

// A game pad with a vendor-defined collection beside it (force feedback, say).
const modulelink::Bytes kGamePadWithVendorCollection = {
    0x05, 0x01, 0x09, 0x05, 0xA1, 0x01, 0x85, 0x01, 0x05, 0x09, 0x19, 0x01, 0x29, 0x08, 0x15, 0x00,
    0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0, 0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
    0x85, 0x02, 0x09, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x04, 0x91, 0x02, 0xC0};

TEST(OnlyGameController, JoysticksAndGamePadsYesKeyboardsAndMiceNever) {
    EXPECT_TRUE(onlyGameController(parsed(kBuzzDescriptor)));
    EXPECT_TRUE(onlyGameController(parsed(kArcadeEncoderDescriptor)));
    EXPECT_TRUE(onlyGameController(parsed(seed("gamepad.bin"))));
    EXPECT_TRUE(onlyGameController(parsed(kGamePadWithVendorCollection)));
    EXPECT_FALSE(onlyGameController(parsed(seed("boot-keyboard.bin"))));
    EXPECT_FALSE(onlyGameController(parsed(seed("boot-mouse.bin"))));
    EXPECT_FALSE(onlyGameController(parsed(seed("mouse-and-media-keys.bin"))));
    EXPECT_FALSE(onlyGameController(parsed(seed("keyboard-vendor-long-range.bin"))));
    EXPECT_FALSE(onlyGameController(parsed(kKeyboardWithJoystick)))
        << "the joystick does not open the keyboard beside it";
    EXPECT_FALSE(onlyGameController(parsed(kJoystickWithKeys)));
    EXPECT_FALSE(onlyGameController({})) << "nothing declared, nothing granted";
}

// The rule's lines that grant access, each with what it matches on.
QStringList grantingLines() {
    QFile file(QStringLiteral(QVX_UDEV_RULE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.contains("uaccess") && !line.trimmed().startsWith('#')) {
            lines << line.trimmed();
        }
    }
    return lines;
}

TEST(UdevRule, GrantsOnlyTheModulesTheDonglesAndWhatTheHelperCallsAGameController) {
    const QStringList expected{
        R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="19a1", TAG+="uaccess")",
        R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="054c", ATTRS{idProduct}=="0002", TAG+="uaccess")",
        R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="054c", ATTRS{idProduct}=="1000", TAG+="uaccess")",
        R"(SUBSYSTEM=="hidraw", ENV{QVX_GAME_CONTROLLER}=="1", TAG+="uaccess")"};
    EXPECT_EQ(grantingLines(), expected);
}

TEST(UdevRule, AsksTheHelperAboutEveryHidrawNodeAndNothingElseSetsItsAnswer) {
    QFile file(QStringLiteral(QVX_UDEV_RULE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(file.readAll());
    QStringList asking;
    QStringList setting;
    for (const QString& line : text.split('\n')) {
        if (line.trimmed().startsWith('#')) {
            continue;
        }
        if (line.contains("IMPORT")) {
            asking << line.trimmed();
        }
        if (line.contains(QRegularExpression(R"(ENV\{QVX_GAME_CONTROLLER\}\s*\+?=[^=])"))) {
            setting << line.trimmed();
        }
    }
    EXPECT_EQ(asking,
              QStringList{R"(SUBSYSTEM=="hidraw", ACTION!="remove", )"
                          R"(IMPORT{program}="qvx-hidraw-kind %S%p/device/report_descriptor")"});
    EXPECT_TRUE(setting.isEmpty()) << "only the helper's answer sets it";
}

}  // namespace
