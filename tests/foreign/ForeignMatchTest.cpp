// Whole matches with foreign buzzers beside the console's own modules: a two-team module
// (teams 1-2), a Buzz! dongle and an arcade encoder, all over the virtual transport, the
// translation layer and the real console. Random timelines of arms, presses, holds and
// releases are held against the lockout rules: after an arm the first press that counts
// takes the floor, a locked device's presses never count, a press before the arm never
// counts, and only the Buzz! red buttons and the mapped controller buttons are presses.
#include <gtest/gtest.h>

#include <QTest>
#include <random>

#include "ForeignConsole.h"
#include "QtPrinters.h"

using foreign::DeviceKind;
using foreign::VirtualForeignDevice;

namespace {

struct ForeignMatch : test::ForeignConsole, ::testing::TestWithParam<bool> {
    ForeignMatch() {
        foreign::DeviceRole role;
        role.fourTeams = fourTeams;
        roles.setRole(foreign::deviceKey(buzz.deviceInfo()), role);
        foreign::DeviceRole padRole;
        padRole.buttonOfPlayer = {2, 1, 3, 0, 12};  // remapped: button 1 is player 2
        roles.setRole(foreign::deviceKey(pad.deviceInfo()), padRole);
    }

    // The slot and player a device button buzzes as; nothing when it is no press.
    std::optional<std::pair<int, int>> seatOf(const VirtualForeignDevice& d, int n) const {
        if (d.kind() == DeviceKind::Buzz) {
            if ((n - 1) % 5 != 0) {
                return std::nullopt;
            }
            const int handset = (n - 1) / 5 + 1;
            return fourTeams ? std::make_pair(2 + handset, 1) : std::make_pair(3, handset);
        }
        const std::array<int, 5> players{2, 1, 3, 0, 12};
        for (int p = 1; p <= 5; ++p) {
            if (players[static_cast<std::size_t>(p - 1)] == n) {
                return std::make_pair(fourTeams ? 7 : 4, p);
            }
        }
        return std::nullopt;
    }
    QString nameOf(std::pair<int, int> seat) { return playerName(seat.first, seat.second); }

    const bool fourTeams = GetParam();
};

TEST_P(ForeignMatch, StartUpListsForeignTeamsInWordsAfterTheOwnModules) {
    console.start();
    QStringList expected{"  Team Interface 1-2 is connected and working."};
    if (fourTeams) {
        for (int h = 1; h <= 4; ++h) {
            expected << QString(
                            "  Buzz! controller 1, handset %1 is connected and working "
                            "(team %2).")
                            .arg(h)
                            .arg(2 + h);
        }
    } else {
        expected << "  Buzz! controller 1 (4 handsets) is connected and working (team 3).";
    }
    expected << QString("  Game controller 1 (12 buttons) is connected and working (team %1).")
                    .arg(fourTeams ? 7 : 4);
    const QString results = console.titleForm().ResultsMemo.caption();
    EXPECT_TRUE(results.endsWith(expected.join("\r\n") + "\r\n")) << results.toStdString();
    EXPECT_FALSE(results.contains("Team Interface 3")) << "a foreign team is no Team Interface";
    EXPECT_EQ(console.link().ModuleCollection.size(), fourTeams ? 6u : 3u);
    // The maker's lines are the Quorvantix module's: it was opened first.
    EXPECT_EQ(console.titleForm().Label2.caption(), "Quorvantix USB Interface From Lumetrica");
    EXPECT_EQ(console.titleForm().Label3.caption(), "USB Vendor #: 1240");
    EXPECT_EQ(console.titleForm().Label4.caption(), "Model #: 2012");
}

TEST_P(ForeignMatch, WithoutAQuorvantixModuleTheStartUpShowsTheLastBuzzersOwnIds) {
    own.unplug();
    console.start();
    EXPECT_EQ(console.titleForm().Label2.caption(), "Other buzzers: Buzz! and game controllers");
    EXPECT_EQ(console.titleForm().Label3.caption(), "USB Vendor ID#: 4617") << "0x1209";
    EXPECT_EQ(console.titleForm().Label4.caption(), "Model #: 1");
    EXPECT_EQ(console.state().teamModuleHandle[0] != 0, true) << "slot 1 is the dongle's";
}

TEST_P(ForeignMatch, RandomTimelinesKeepEveryLockoutGuarantee) {
    console.start();
    console.titleForm().Command1.click();
    console.menu().CommandHide_Click();
    auto& board = console.classicBoard();
    std::mt19937 random(fourTeams ? 2101 : 2102);
    bool armed = false;
    QString responder = board.NameLabel.caption();  // the board's caption before any arm
    std::optional<std::pair<int, int>> buzzSeat;    // the Buzz! team that has the floor
    int presses = 0;
    for (int step = 0; step < 1500; ++step) {
        ++stamp;
        const unsigned what = random() % 10;
        if (what == 0 || (!armed && what < 3)) {
            QTest::keyClick(board.window(), Qt::Key_Space);
            armed = true;
            responder.clear();
            buzzSeat.reset();
        } else if (what < 5) {
            const sim::Button b{1 + static_cast<int>(random() % 2),
                                1 + static_cast<int>(random() % 4)};
            own.press({b});
            if (armed) {
                armed = false;
                responder = nameOf({b.team, b.player});
                ++presses;
            }
        } else {
            VirtualForeignDevice& d = what < 8 ? buzz : pad;
            const int n = 1 + static_cast<int>(random() % static_cast<unsigned>(d.buttonCount()));
            const bool goingDown = !d.buttonDown(n);
            d.setButton(n, goingDown);
            const auto seat = seatOf(d, n);
            if (goingDown && armed && seat) {
                armed = false;
                responder = nameOf(*seat);
                ++presses;
                if (&d == &buzz) {
                    buzzSeat = seat;
                }
            }
        }
        settle();
        ASSERT_EQ(board.NameLabel.caption(), responder) << "step " << step;
        for (int h = 1; h <= 4; ++h) {
            const bool lit =
                buzzSeat && (fourTeams ? buzzSeat->first == 2 + h : buzzSeat->second == h);
            ASSERT_EQ(buzz.lamps()[static_cast<std::size_t>(h - 1)], lit)
                << "step " << step << " handset " << h;
        }
    }
    EXPECT_GT(presses, 200) << "the timelines reach many presses";
}

TEST_P(ForeignMatch, AForeignResponderSoundsOnThePcWhenModulesWouldSound) {
    console.start();
    console.titleForm().Command1.click();
    console.menu().CommandHide_Click();
    console.menu().mnuQvxSpeaker.setChecked(true);
    QTest::keyClick(console.classicBoard().window(), Qt::Key_Space);
    settle();
    ++stamp;
    buzz.click(VirtualForeignDevice::buzzButton(2));
    settle();
    EXPECT_EQ(tones, std::vector<sim::Tone>{sim::Tone::Buzz});
    ASSERT_FALSE(platform.sounds.empty());
    EXPECT_EQ(platform.sounds.back().path, console.settings().buzzSoundFile);
    QTest::keyClick(console.classicBoard().window(), Qt::Key_Space);
    ++stamp;
    own.press({{1, 1}});
    settle();
    EXPECT_EQ(tones.size(), 1u) << "an own module sounds on its own speaker";
}

INSTANTIATE_TEST_SUITE_P(BuzzRoles, ForeignMatch, ::testing::Values(false, true),
                         [](const auto& param) {
                             return param.param ? std::string("FourTeamsOfOne")
                                                : std::string("OneTeamOfFour");
                         });

}  // namespace
