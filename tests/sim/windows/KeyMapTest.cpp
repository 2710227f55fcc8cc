#include <gtest/gtest.h>

#include <set>

#include "sim/VirtualModuleSet.h"
#include "sim/windows/KeyMap.h"
#include "sim/windows/ModelHelp.h"
#include "sim/windows/ModuleChoices.h"
#include "sim/windows/ScreenButtons.h"

using sim::Button;
namespace keymap = sim::keymap;

namespace {

std::unique_ptr<sim::VirtualModuleSet> modules(const char* list) {
    auto created = sim::VirtualModuleSet::create(QString::fromLatin1(list));
    EXPECT_TRUE(created.modules) << created.error.toStdString();
    return std::move(created.modules);
}

}  // namespace

TEST(KeyMap, TeamsSitTwoToARowPlayersLeftToRight) {
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_1), (Button{1, 1}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_5), (Button{1, 5}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_6), (Button{2, 1}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_0), (Button{2, 5}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_W), (Button{3, 2}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_Semicolon), (Button{6, 5}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_Z), (Button{7, 1}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_Slash), (Button{8, 5}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_F1), (Button{9, 1}));
    EXPECT_EQ(keymap::buttonForKey(Qt::Key_F10), (Button{10, 5}));
}

TEST(KeyMap, TheSpaceBarAndOtherKeysPressNothing) {
    for (int key : {int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Escape), int(Qt::Key_F11),
                    int(Qt::Key_Shift)}) {
        EXPECT_FALSE(keymap::buttonForKey(key).has_value()) << key;
    }
}

TEST(KeyMap, FiftyButtonsHaveFiftyDifferentKeysThatLeadBack) {
    std::set<int> keys;
    for (int team = 1; team <= keymap::kTeams; ++team) {
        for (int player = 1; player <= keymap::kPlayers; ++player) {
            const int key = keymap::keyForButton({team, player});
            keys.insert(key);
            EXPECT_EQ(keymap::buttonForKey(key), (Button{team, player}));
            EXPECT_FALSE(keymap::keyLabel({team, player}).isEmpty());
        }
    }
    EXPECT_EQ(keys.size(), 50u);
    EXPECT_EQ(keymap::keyLabel({6, 5}), QStringLiteral(";"));
    EXPECT_EQ(keymap::keyLabel({10, 2}), QStringLiteral("F7"));
    EXPECT_EQ(keymap::keyForButton({11, 1}), 0);
}

TEST(KeyMap, LegendWritesEveryRow) {
    const QString legend = keymap::legend();
    EXPECT_TRUE(legend.contains(QStringLiteral("teams 1 and 2: 1 2 3 4 5 | 6 7 8 9 0")));
    EXPECT_TRUE(legend.contains(QStringLiteral("teams 7 and 8: Z X C V B | N M , . /")));
    EXPECT_TRUE(legend.contains(QStringLiteral("teams 9 and 10: F1 F2 F3 F4 F5 | F6")));
}

TEST(ModelHelp, NamesTheListSyntaxEveryModelAndTheKeys) {
    const QString help = sim::modelHelpText();
    for (const char* text :
         {"--simulate=2012:1-2,2012:3-4", "4097:1,4097:2", "=712", "512:5-6", "=812",
          "4097, 272, 901", "2012, 512", "712, 812", "Q W E R T", "space bar"}) {
        EXPECT_TRUE(help.contains(QString::fromLatin1(text))) << text;
    }
}

TEST(ScreenButtons, PlayersPerModelAndTransmittersOnRf) {
    auto set = modules("4097:1,901:2,272:3,2012:5-6");
    EXPECT_EQ(sim::screenButtons(set->module(0)).size(), 4u);
    EXPECT_EQ(sim::screenButtons(set->module(1)).size(), 4u);
    EXPECT_EQ(sim::screenButtons(set->module(2)).size(), 5u);
    EXPECT_EQ(sim::screenButtons(set->module(3)).size(), 8u);
    auto five = modules("512:3-4");
    EXPECT_EQ(sim::screenButtons(five->module(0)).size(), 10u);
    EXPECT_EQ(sim::screenButtons(five->module(0)).front(), (Button{3, 1}));

    auto rf = modules("712");
    const std::vector<Button> transmitters = sim::screenButtons(rf->module(0));
    ASSERT_EQ(transmitters.size(), 32u);
    EXPECT_EQ(transmitters.back(), (Button{7, 2}));
    EXPECT_EQ(sim::transmitterOf(rf->module(0), {7, 2}), 32);
}

TEST(ModuleChoices, OnlyModulesForFreeTeamsAreOffered) {
    auto set = modules("2012:1-2,4097:3");
    const QStringList choices = sim::addableModules(*set);
    EXPECT_TRUE(choices.contains(QStringLiteral("4097:4")));
    EXPECT_TRUE(choices.contains(QStringLiteral("272:8")));
    EXPECT_TRUE(choices.contains(QStringLiteral("512:5-6")));
    EXPECT_FALSE(choices.contains(QStringLiteral("4097:3")));
    EXPECT_FALSE(choices.contains(QStringLiteral("901:1")));
    EXPECT_FALSE(choices.contains(QStringLiteral("2012:3-4")));
    EXPECT_FALSE(choices.contains(QStringLiteral("712")));

    auto empty = modules("4097:8");
    EXPECT_TRUE(sim::addableModules(*empty).contains(QStringLiteral("812")));
}
