// Presses decoded by interface model, seen as the names the board shows.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace {

using test::EngineHarness;
using test::playerName;
using test::teamName;

struct Shown {
    QString team;
    QString name;
};

// One press on module 1 of an armed system, polled once.
Shown pressOnce(EngineHarness& h, int data1, int data4 = 0) {
    h.modules.setAddress(1, data4);
    h.armAndSettle();
    h.modules.press(1, data1);
    h.advance(h.engine.porttimer().interval());
    return {h.view.team, h.view.name};
}

TEST(PressDecoding, TwoTeamInterfaceBitsMapToTeamAndPlayer) {
    EngineHarness a(2012);
    Shown s = pressOnce(a, 255 ^ 64);
    EXPECT_EQ(s.team, teamName(1));
    EXPECT_EQ(s.name, playerName(1, 4));

    EngineHarness b(2012);
    EXPECT_EQ(pressOnce(b, 255 ^ 128).name, playerName(1, 3));
    EngineHarness c(2012);
    EXPECT_EQ(pressOnce(c, 255 ^ 8).name, playerName(0, 4));
}

TEST(PressDecoding, TwoTeamAddress192ServesTheSameTeamsAs64) {
    EngineHarness a(2012);
    EXPECT_EQ(pressOnce(a, 255 ^ 1, 192).name, playerName(4, 1));
    EngineHarness b(2012);
    EXPECT_EQ(pressOnce(b, 255 ^ 64, 192).name, playerName(5, 4));
    EngineHarness c(2012);
    EXPECT_EQ(pressOnce(c, 255 ^ 16, 128).name, playerName(3, 1));
}

TEST(PressDecoding, TwoTeamRawCodeGoesToTheDiagnosticLabel) {
    EngineHarness h(2012);
    pressOnce(h, 255 ^ 64);
    EXPECT_EQ(h.view.diagnostic, " 191");
}

TEST(PressDecoding, Model512FoldsData3IntoThePlayers) {
    EngineHarness a(512);
    a.modules.setAddress(1, 128);
    a.armAndSettle();
    a.modules.press(1, 255, 0x80);  // Data3 bit 6 low: code value 256
    a.advance(2);
    EXPECT_EQ(a.view.team, teamName(2));
    EXPECT_EQ(a.view.name, playerName(2, 1));

    EngineHarness b(512);
    b.modules.setAddress(1, 128);
    b.armAndSettle();
    b.modules.press(1, 255 ^ 4);
    b.advance(2);
    EXPECT_EQ(b.view.name, playerName(2, 5));

    EngineHarness c(512);
    c.armAndSettle();
    c.modules.press(1, 255, 0x40);  // bit 7 low: 512
    c.advance(2);
    EXPECT_EQ(c.view.name, playerName(0, 2));
}

TEST(PressDecoding, OneTeamInterfaceTeamBitsAndActiveLowButtons) {
    EngineHarness h(4097);
    const Shown s = pressOnce(h, 222);
    EXPECT_EQ(s.team, teamName(1));
    EXPECT_EQ(s.name, playerName(1, 5));
    EngineHarness g(272);
    EXPECT_EQ(pressOnce(g, test::oneTeamPress(6, 3)).name, playerName(6, 3));
}

// Team bits 000 are the module serving team slot 8: its players buzz like the others.
TEST(PressDecoding, OneTeamBits000AreTeamSlot8) {
    EngineHarness h(4097, 3, engine::leaderBoardPolicy(), {});
    const Shown s = pressOnce(h, 30);  // bit 0 low: player 5
    EXPECT_EQ(s.team, teamName(7));
    EXPECT_EQ(s.name, playerName(7, 5));
    EngineHarness g(272, 3, engine::leaderBoardPolicy(), {});
    EXPECT_EQ(pressOnce(g, 31 ^ 4).name, playerName(7, 2));
}

// Reports that show no press of any player change nothing and polling goes on.
TEST(PressDecoding, OneTeamReportsWithoutAButtonAreIgnored) {
    for (const int data1 : {31, 223}) {
        EngineHarness h(4097);
        h.armAndSettle();
        h.view.name = "Earlier";
        h.modules.press(1, data1);
        h.advance(2);
        EXPECT_EQ(h.view.name, "Earlier") << data1;
        EXPECT_TRUE(h.modules.commands(1).empty()) << data1;
        EXPECT_TRUE(h.engine.porttimer().enabled()) << data1;
    }
}

TEST(PressDecoding, RfCodesAreFivePlayersPerTeam) {
    const struct {
        int model;
        int code;
        int team;
        int player;
    } cases[] = {{712, 1, 0, 1},  {712, 5, 0, 5},  {712, 7, 1, 2},  {712, 10, 1, 5},
                 {712, 11, 2, 1}, {712, 17, 3, 2}, {712, 32, 6, 2}, {812, 7, 1, 2}};
    for (const auto& c : cases) {
        EngineHarness h(c.model, 1);
        const Shown s = pressOnce(h, c.code);
        EXPECT_EQ(s.team, teamName(c.team)) << c.model << " code " << c.code;
        EXPECT_EQ(s.name, playerName(c.team, c.player)) << c.model << " code " << c.code;
    }
}

TEST(PressDecoding, SimultaneousTwoTeamPressesTakeOneRandomButton) {
    const struct {
        double random;
        int player;
    } cases[] = {{0.0, 1}, {0.49, 1}, {0.5, 4}, {0.99, 4}};
    for (const auto& c : cases) {
        EngineHarness h(2012);
        h.platform.randoms = {c.random};
        EXPECT_EQ(pressOnce(h, 255 ^ (16 | 64)).name, playerName(1, c.player)) << c.random;
        EXPECT_EQ(h.state.responderCode, c.player == 1 ? 16 : 64);
    }
    EngineHarness three(2012);
    three.platform.randoms = {0.4};
    EXPECT_EQ(pressOnce(three, 255 ^ (1 | 8 | 128)).name, playerName(0, 4));
}

TEST(PressDecoding, SimultaneousOneTeamPressesStartAtARandomSlot) {
    const struct {
        int pressed;  // button bits, slot k is bit k-1
        double random;
        int player;
    } cases[] = {{31, 0.0, 5}, {31, 0.5, 2}, {31, 0.99, 4}, {0b01001, 0.5, 3}, {0b01001, 0.9, 5}};
    for (const auto& c : cases) {
        EngineHarness h(4097);
        h.platform.randoms = {c.random};
        EXPECT_EQ(pressOnce(h, 224 | (31 ^ c.pressed)).name, playerName(0, c.player))
            << c.pressed << " at " << c.random;
    }
}

}  // namespace
