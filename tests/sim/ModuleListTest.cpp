#include <gtest/gtest.h>

#include "sim/ModuleList.h"
#include "sim/VirtualModuleSet.h"

using sim::ModuleSpec;
using sim::parseModuleList;

TEST(ModuleList, TheDefaultIsTwoTwoTeamModules) {
    auto created = sim::VirtualModuleSet::create();
    ASSERT_TRUE(created.modules);
    ASSERT_EQ(created.modules->size(), 2);
    EXPECT_EQ(created.modules->module(0).label(), "2012:1-2");
    EXPECT_EQ(created.modules->module(1).label(), "2012:3-4");
}

TEST(ModuleList, ReadsModelsAndTeams) {
    const auto r = parseModuleList(" 4097:1, 4097:2,272:8 ,901:3,512:5-6");
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.modules,
              (std::vector<ModuleSpec>{{4097, 1}, {4097, 2}, {272, 8}, {901, 3}, {512, 5}}));
    EXPECT_EQ(parseModuleList("2012").modules, (std::vector<ModuleSpec>{{2012, 1}}));
    const auto rf = parseModuleList("712");
    ASSERT_TRUE(rf.ok);
    EXPECT_EQ(rf.modules, (std::vector<ModuleSpec>{{712, 1}}));
    EXPECT_TRUE(parseModuleList("812:1-4").ok);
    const auto status = parseModuleList("4097:5+status,2012:1-2");
    ASSERT_TRUE(status.ok) << status.error.toStdString();
    EXPECT_EQ(status.modules, (std::vector<ModuleSpec>{{4097, 5, true}, {2012, 1}}));
    EXPECT_EQ(parseModuleList("712+status").modules, (std::vector<ModuleSpec>{{712, 1, true}}));
    auto created = sim::VirtualModuleSet::create("2012:3-4+status");
    ASSERT_TRUE(created.modules);
    EXPECT_EQ(created.modules->module(0).label(), "2012:3-4+status");
}

TEST(ModuleList, BadListsSayWhatIsWrong) {
    const auto error = [](const char* text) {
        const auto r = parseModuleList(QString::fromLatin1(text));
        EXPECT_FALSE(r.ok) << text;
        EXPECT_TRUE(r.modules.empty());
        return r.error;
    };
    EXPECT_EQ(error(""), "the module list is empty");
    EXPECT_EQ(error("2012:1-2,,2012:3-4"),
              "the module list \"2012:1-2,,2012:3-4\" has an empty entry");
    EXPECT_EQ(error("abc"),
              "\"abc\" is not a module: write MODEL or MODEL:TEAMS, for example 2012:1-2");
    EXPECT_EQ(error("999:1"),
              "unknown model 999 in \"999:1\" (known models: 4097, 272, 901, 2012, 512, 712, 812)");
    EXPECT_EQ(error("4097:9"), "model 4097 serves one team, 1 to 8, not \"9\"");
    EXPECT_EQ(error("4097:x"), "model 4097 serves one team, 1 to 8, not \"x\"");
    EXPECT_EQ(error("2012:2-3"), "model 2012 serves teams 1-2, 3-4 or 5-6, not \"2-3\"");
    EXPECT_EQ(error("712:5-8"), "model 712 serves teams 1-4, not \"5-8\"");
    EXPECT_EQ(error("2012:1-2,4097:2"), "team 2 is served by both \"2012:1-2\" and \"4097:2\"");
    EXPECT_FALSE(sim::VirtualModuleSet::create("512:7-8").modules);
    EXPECT_EQ(error("4097:1+stat"), "model 4097 serves one team, 1 to 8, not \"1+stat\"");
}
