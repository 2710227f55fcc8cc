// "Other Buzzers" in a whole console: a two-team module (teams 1-2), a Buzz! dongle (team
// 3) and an arcade encoder (team 4) over the virtual transport. What the window lists, what
// OK keeps, what it refuses, and when a new choice reaches a device in use.
#include <gtest/gtest.h>

#include <QTest>

#include "ForeignConsole.h"
#include "QtPrinters.h"
#include "foreign/windows/BuzzerRoles.h"

using foreign::DeviceKind;
using foreign::VirtualForeignDevice;

namespace {

struct BuzzerRolesWindow : test::ForeignConsole, ::testing::TestWithParam<bool> {
    BuzzerRolesWindow() {
        if (GetParam()) {
            platform.runEventsInModals(clock);
        }
        console.buzzerRoles = [this] { window.showRoles(); };
    }
    void startMatch() {
        console.start();
        console.titleForm().Command1.click();
        console.menu().mnuBuzzerRoles.click();
    }
    void arm() {
        ++stamp;
        QTest::keyClick(console.classicBoard().window(), Qt::Key_Space);
        settle();
    }
    void click(VirtualForeignDevice& d, int n) {
        ++stamp;
        d.click(n);
        settle();
    }
    QString responder() { return console.classicBoard().NameLabel.caption(); }
    foreign::DeviceRole kept(const VirtualForeignDevice& d) {
        return roles.roleOf(foreign::deviceKey(d.deviceInfo()));
    }

    foreign::BuzzerRoles window{transport, platform};
};

TEST_P(BuzzerRolesWindow, ListsEveryDeviceWithItsKeptRole) {
    foreign::DeviceRole padRole;
    padRole.buttonOfPlayer = {12, 0, 3, 4, 5};
    roles.setRole(foreign::deviceKey(pad.deviceInfo()), padRole);
    startMatch();
    EXPECT_TRUE(window.visible());
    ASSERT_EQ(window.rowCount(), 2);
    auto& dongle = window.row(0);
    EXPECT_EQ(dongle.box->title(), "Buzz! controller 1 (4 handsets)");
    EXPECT_TRUE(dongle.oneTeam->value());
    EXPECT_FALSE(dongle.fourTeams->value());
    auto& controller = window.row(1);
    EXPECT_EQ(controller.box->title(), "Game controller 1 (12 buttons)");
    ASSERT_EQ(controller.playerButton[0]->count(), 13) << "no button, then buttons 1 to 12";
    EXPECT_EQ(controller.playerButton[0]->currentText(), "Button 12");
    EXPECT_EQ(controller.playerButton[1]->currentText(), "No button");
    EXPECT_EQ(controller.playerButton[4]->currentText(), "Button 5");
    EXPECT_TRUE(window.Label1.caption().contains("next arm"));
    EXPECT_TRUE(window.cmdOK.enabled());
}

TEST_P(BuzzerRolesWindow, OkKeepsTheChoicesAndCancelForgetsThem) {
    startMatch();
    window.row(0).fourTeams->setValue(true);
    window.row(1).playerButton[0]->setCurrentIndex(7);
    window.cmdCancel.click();
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(kept(buzz), foreign::DeviceRole{});
    EXPECT_EQ(kept(pad), foreign::DeviceRole{});

    console.menu().mnuBuzzerRoles.click();
    EXPECT_TRUE(window.row(0).oneTeam->value()) << "a cancelled choice is not shown again";
    window.row(0).fourTeams->setValue(true);
    window.row(1).playerButton[0]->setCurrentIndex(7);
    window.row(1).playerButton[3]->setCurrentIndex(0);
    const std::size_t shown = platform.messages.size();
    window.cmdOK.click();
    EXPECT_FALSE(window.visible());
    EXPECT_TRUE(kept(buzz).fourTeams);
    EXPECT_EQ(kept(pad).buttonOfPlayer, (std::array<int, 5>{7, 2, 3, 0, 5}));
    EXPECT_EQ(platform.messages.size(), shown) << "a sound choice needs no message";
}

TEST_P(BuzzerRolesWindow, OneButtonForTwoPlayersIsRefusedAndNothingIsKept) {
    startMatch();
    window.row(0).fourTeams->setValue(true);
    window.row(1).playerButton[4]->setCurrentIndex(2);
    window.cmdOK.click();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().text,
              "Game controller 1 (12 buttons): button 2 is chosen for players 2 and 5. Choose "
              "each button for one player only.");
    EXPECT_EQ(platform.messages.back().icon, ui::MsgIcon::Warning);
    EXPECT_TRUE(window.visible()) << "the operator corrects the choice";
    EXPECT_EQ(kept(buzz), foreign::DeviceRole{}) << "all or nothing";
    EXPECT_EQ(kept(pad), foreign::DeviceRole{});
    window.row(1).playerButton[1]->setCurrentIndex(0);
    window.cmdOK.click();
    EXPECT_EQ(kept(pad).buttonOfPlayer, (std::array<int, 5>{1, 0, 3, 4, 2}));
}

TEST_P(BuzzerRolesWindow, NewButtonsCountFromTheNextArmNotDuringTheQuestion) {
    startMatch();
    console.menu().CommandHide_Click();
    arm();
    console.menu().mnuBuzzerRoles.click();
    window.row(1).playerButton[0]->setCurrentIndex(7);  // player 1 presses button 7 now
    window.cmdOK.click();
    click(pad, 7);
    EXPECT_TRUE(responder().isEmpty()) << "the armed question keeps its buttons";
    click(pad, 1);
    EXPECT_EQ(responder(), playerName(4, 1));
    arm();
    click(pad, 1);
    EXPECT_TRUE(responder().isEmpty()) << "button 1 is nobody's now";
    click(pad, 7);
    EXPECT_EQ(responder(), playerName(4, 1));
}

TEST_P(BuzzerRolesWindow, ANewSplitOfTeamsWaitsForTheNextStart) {
    startMatch();
    const std::size_t modules = console.link().ModuleCollection.size();
    const QString results = console.titleForm().ResultsMemo.caption();
    window.row(0).fourTeams->setValue(true);
    window.cmdOK.click();
    clock.advanceMs(3000);  // the agent's enumeration looks for arrivals meanwhile
    settle();
    EXPECT_EQ(console.link().ModuleCollection.size(), modules);
    EXPECT_EQ(console.titleForm().ResultsMemo.caption(), results) << "nothing new was found";
    int buzzTeams = 0;
    for (const auto& info : transport.enumerate(6561)) {
        buzzTeams += info.path.find("sim:buzz") != std::string::npos;
    }
    EXPECT_EQ(buzzTeams, 1) << "the open dongle serves the teams it was opened with";

    foreign::ForeignTransport nextStart(devices, roles, {});
    buzzTeams = 0;
    for (const auto& info : nextStart.enumerate(6561)) {
        buzzTeams += info.path.find("sim:buzz") != std::string::npos;
    }
    EXPECT_EQ(buzzTeams, 4);
}

TEST_P(BuzzerRolesWindow, SaysSoWhenNothingIsAttached) {
    buzz.unplug();
    pad.unplug();
    window.showRoles();
    EXPECT_EQ(window.rowCount(), 0);
    EXPECT_EQ(window.Label1.caption(), "No Buzz! controller or game controller is attached.");
    EXPECT_FALSE(window.cmdOK.enabled());
}

INSTANTIATE_TEST_SUITE_P(Modals, BuzzerRolesWindow, ::testing::Values(false, true),
                         [](const auto& param) {
                             return param.param ? std::string("EventsInModals")
                                                : std::string("ModalsAnswerAtOnce");
                         });

}  // namespace
