#include <gtest/gtest.h>

#include <QTest>

#include "ManualClock.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "app/Console.h"
#include "sim/VirtualModuleSet.h"

namespace {

// The console on a virtual RF interface with its 32 transmitters.
struct Radio : ::testing::Test {
    test::TempFolder folder;
    test::RecordingPlatform platform{folder.path()};
    test::ManualClock clock;
    std::unique_ptr<sim::VirtualModuleSet> modules =
        sim::VirtualModuleSet::create("712", clock.stamps()).modules;
    app::Console console{platform, clock, modules->transport()};

    sim::VirtualModule& rf() { return modules->module(0); }
    // What the interface received since the dialogs came up, start-up and arming aside.
    std::vector<int> radioCommands() const {
        std::vector<int> codes;
        for (int c : modules->module(0).commands()) {
            if (c >= 128) {
                codes.push_back(c);
            }
        }
        return codes;
    }
    void start() {
        console.start();
        console.titleForm().Command1.click();
        rf().clearCommands();
    }
    static void type(ui::TextBox& box, const char* text) {
        box.edit()->selectAll();
        QTest::keyClicks(box.edit(), text);
    }
};

TEST_F(Radio, TheMenuOffersTheRadioDialogsForTheRfInterfaceOnly) {
    start();
    EXPECT_TRUE(console.menu().mnuRFOptions.enabled());

    auto wired = sim::VirtualModuleSet::create("2012:1-2", clock.stamps()).modules;
    test::RecordingPlatform otherPlatform{folder.path()};
    app::Console other{otherPlatform, clock, wired->transport()};
    other.start();
    other.titleForm().Command1.click();
    EXPECT_FALSE(other.menu().mnuRFOptions.enabled());
}

TEST_F(Radio, ATransmitterGetsANewUnitCodeWhileTheBoardShowsItsPress) {
    start();
    console.menu().mnuXmitterCode.click();
    rf::XmitterCode& dialog = console.xmitterCode();
    EXPECT_TRUE(dialog.visible());
    EXPECT_TRUE(console.classicBoard().visible()) << "the board comes up with the dialog";

    QTest::mouseClick(dialog.Command3.widget(), Qt::LeftButton);  // Clear/Arm
    EXPECT_EQ(dialog.Text1.text(), "   ");
    EXPECT_TRUE(rf().armed());
    clock.advanceMs(300);  // past the RF settling time
    rf().holdTransmitter(7);
    clock.advanceMs(10);
    EXPECT_EQ(console.classicBoard().NameLabel.caption(), "Seven") << "transmitter 7 pressed";

    type(dialog.Text1, "7");
    type(dialog.Text2, "12");
    QTest::mouseClick(dialog.Command2.widget(), Qt::LeftButton);
    EXPECT_EQ(radioCommands(), (std::vector<int>{167, 204}));
    EXPECT_EQ(rf().transmitter(7).code, 12);
    EXPECT_TRUE(rf().transmitter(7).acknowledged);
    EXPECT_EQ(rf().transmitter(12).code, 12) << "transmitter 12 was not in programming mode";

    QTest::mouseClick(dialog.Command1.widget(), Qt::LeftButton);
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(console.menu().visible());
}

// The dialog opened again after the leader board had the floor: the classic board it
// arms is the one in front of the operator, and the press shows there.
TEST_F(Radio, ClearArmArmsAClassicBoardTheOperatorSees) {
    start();
    console.menu().mnuXmitterCode.click();
    console.xmitterCode().Command1.click();  // Cancel
    console.menu().mnuLeaderBd.click();
    console.menu().CommandHide_Click();
    ASSERT_TRUE(console.leaderBoard().visible());
    console.leaderBoard().Commandsetupmenu.click();
    ASSERT_FALSE(console.classicBoard().visible());

    console.menu().mnuXmitterCode.click();
    EXPECT_TRUE(console.classicBoard().visible());
    QTest::mouseClick(console.xmitterCode().Command3.widget(), Qt::LeftButton);
    clock.advanceMs(300);
    rf().holdTransmitter(4);
    clock.advanceMs(10);
    EXPECT_TRUE(console.classicBoard().visible());
    EXPECT_EQ(console.classicBoard().NameLabel.caption(), "Four");
}

TEST_F(Radio, ChannelAndPowerReachTheTransmittersAndTheOptionsSummary) {
    start();
    rf().setProgramming(3, true);
    console.menu().mnuChangeChannel.click();
    rf::ChangeChannel& channel = console.changeChannel();
    type(channel.Text1, "15");
    channel.Command2.click();
    EXPECT_EQ(rf().transmitter(3).channel, 15);
    EXPECT_EQ(rf().rfChannel(), 15);
    channel.Command1.click();
    EXPECT_TRUE(console.menu().Label1.caption().contains("Channel # selected:  15\r\n"));

    rf().setProgramming(3, true);
    console.menu().mnuPaLevel.click();
    rf::PALevel& power = console.paLevel();
    type(power.Text1, "4");
    power.Command2.click();
    EXPECT_EQ(rf().transmitter(3).power, 4);
    power.Command1.click();
    EXPECT_TRUE(
        console.menu().Label1.caption().contains("Transmitter Power Level selected:  4\r\n"));
    EXPECT_EQ(radioCommands(), (std::vector<int>{143, 228}));
}

}  // namespace
