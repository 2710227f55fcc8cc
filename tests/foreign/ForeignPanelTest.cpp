// The virtual Buzz! dongle and game controller on the "Virtual Team Modules" window, in a
// whole console as `--simulate=2012:1-2,buzz,gamepad` builds it: their panels' buttons
// buzz through the translation layer, the dongle's lamps show on its panel, and its
// Unplug button in the middle of a match brings the rescue flow as a module's does.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "ManualClock.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "app/Console.h"
#include "foreign/ForeignTransport.h"
#include "foreign/FreeSlot.h"
#include "foreign/VirtualForeignList.h"
#include "foreign/windows/ForeignPanel.h"
#include "sim/VirtualModuleSet.h"
#include "sim/windows/VirtualModulesWindow.h"

using foreign::ForeignPanel;
using foreign::VirtualForeignDevice;

namespace {

struct ForeignPanels : ::testing::Test {
    ForeignPanels() {
        for (const auto& device : simulated.devices) {
            modules->transport().addDevice(*device);
        }
        for (const auto& device : simulated.devices) {
            panels.push_back(new ForeignPanel(*device, transport.nameOf(device->deviceInfo())));
            window.addPanel(panels.back());
        }
        window.show();
        console.start();
        console.titleForm().Command1.click();
        console.menu().CommandHide_Click();
    }
    void arm() {
        QTest::keyClick(console.classicBoard().window(), Qt::Key_Space);
        settle();
    }
    // Longer than a press may wait after an arm while its module's answer could still come.
    void settle() {
        QCoreApplication::processEvents();
        clock.advanceMs(15);
    }
    void clickButton(ForeignPanel& panel, int n) {
        QTest::mouseClick(panel.button(n), Qt::LeftButton);
        settle();
    }
    QString playerName(int slot, int player) {
        return console.menu().Text[static_cast<std::size_t>(6 * (slot - 1) + player)]->text();
    }
    QString responder() { return console.classicBoard().NameLabel.caption(); }
    ForeignPanel& dongle() { return *panels[0]; }
    ForeignPanel& controller() { return *panels[1]; }

    test::TempFolder folder;
    test::RecordingPlatform platform{folder.path()};
    test::ManualClock clock;
    foreign::VirtualForeignList simulated =
        foreign::takeVirtualForeignDevices("2012:1-2,buzz,gamepad");
    std::unique_ptr<sim::VirtualModuleSet> modules =
        sim::VirtualModuleSet::create(simulated.moduleList, clock.stamps()).modules;
    foreign::MemoryRoleStore roles;
    foreign::ForeignTransport transport{
        modules->transport(),
        roles,
        {[this] { return foreign::firstFreeSlot(console.state()); }, {}, {}}};
    app::Console console{platform, clock, transport};
    sim::VirtualModulesWindow window{*modules};
    std::vector<ForeignPanel*> panels;  // owned by the window
};

TEST_F(ForeignPanels, TheWindowShowsEachDeviceWithItsButtonsAndLamps) {
    EXPECT_EQ(window.panelCount(), 1) << "the own module's panel";
    EXPECT_EQ(dongle().title(), "Buzz! controller 1 (4 handsets)");
    EXPECT_EQ(controller().title(), "Game controller 1 (12 buttons)");
    EXPECT_EQ(dongle().button(VirtualForeignDevice::buzzButton(3))->text(), "BUZZ");
    EXPECT_EQ(dongle().button(VirtualForeignDevice::buzzButton(3, 4))->text(), "Blue");
    EXPECT_EQ(controller().button(12)->text(), "Button 12");
    EXPECT_EQ(controller().lamp(1), nullptr) << "a game controller has no lamps";
    for (int h = 1; h <= 4; ++h) {
        EXPECT_EQ(dongle().lamp(h)->text(), "lamp off");
    }
    EXPECT_EQ(dongle().window(), &window) << "the panels stand in the window";
}

TEST_F(ForeignPanels, ARedButtonBuzzesAndLightsItsHandsetAColourButtonDoesNot) {
    arm();
    clickButton(dongle(), VirtualForeignDevice::buzzButton(2, 1));  // yellow
    EXPECT_TRUE(responder().isEmpty());
    clickButton(dongle(), VirtualForeignDevice::buzzButton(2));
    EXPECT_EQ(responder(), playerName(3, 2));
    EXPECT_EQ(dongle().lamp(2)->text(), "LIT");
    EXPECT_EQ(dongle().lamp(1)->text(), "lamp off");
    arm();
    EXPECT_EQ(dongle().lamp(2)->text(), "lamp off") << "an arm puts the lamps out";
    clickButton(controller(), 3);
    EXPECT_EQ(responder(), playerName(4, 3));
}

TEST_F(ForeignPanels, AButtonHeldSinceBeforeTheArmNeverCounts) {
    QTest::mousePress(dongle().button(1), Qt::LeftButton);
    settle();
    arm();
    QTest::mouseRelease(dongle().button(1), Qt::LeftButton);
    settle();
    EXPECT_TRUE(responder().isEmpty());
    clickButton(dongle(), 1);
    EXPECT_EQ(responder(), playerName(3, 1));
}

TEST_F(ForeignPanels, UnpluggingTheDongleMidMatchSavesTheRescueFileAndEnds) {
    arm();
    console.menu().Text[0]->setText("Owls");
    platform.saveResults.push_back(folder.file("QvxRescueFile.txt"));
    dongle().plugButton()->click();
    EXPECT_EQ(dongle().stateText(), "UNPLUGGED");
    EXPECT_EQ(dongle().plugButton()->text(), "Plug in");
    clock.advanceMs(1000);
    QCoreApplication::processEvents();
    EXPECT_TRUE(platform.messageTexts().join("|").contains("Team Module has DISCONNECTED."));
    EXPECT_TRUE(QFile::exists(folder.file("QvxRescueFile.txt")));
    EXPECT_TRUE(folder.read("QvxRescueFile.txt").contains("\r\nOwls\r\n"));
    EXPECT_EQ(platform.quitCalls, 1);
}

}  // namespace
