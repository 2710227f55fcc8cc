#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "ManualClock.h"
#include "OperatorClose.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "model/MatchState.h"
#include "modulelink/HidAgent.h"
#include "modulelink/ModuleLink.h"
#include "modulelink/windows/TitleForm.h"
#include "sim/VirtualModuleSet.h"
#include "sim/windows/VirtualModulesWindow.h"

namespace {

const QString kGreeting =
    "Please confirm attached Quorvantix Team Modules are connected and working.  Attach "
    "additional Modules at this time.  Click DONE when finished .";

// The start-up window as the program wires it, on two virtual two-team modules; the set-up
// menu is a counter.
struct TitleScreen : ::testing::Test, modulelink::StartupHost {
    test::ManualClock clock;
    model::MatchState state;
    test::RecordingPlatform platform;
    std::unique_ptr<sim::VirtualModuleSet> modules =
        sim::VirtualModuleSet::create("2012:1-2,2012:3-4", clock.stamps()).modules;
    modulelink::HidAgent agent{modules->transport(), clock};
    modulelink::ModuleLink link{agent, state, platform, clock, *this};
    modulelink::TitleForm title{link, platform};
    int menuShows = 0, rescueSaves = 0, menuUnloads = 0;

    void showTitleForm() override { title.show(); }
    void hideTitleForm() override { title.hide(); }
    void unloadTitleForm() override { title.unload(); }
    void showSetupMenu() override { ++menuShows; }
    void SaveRescueFile() override { ++rescueSaves; }
    void unloadSetupMenu() override { ++menuUnloads; }
    void captionsChanged() override { title.refreshCaptions(); }

    void clickDone() { QTest::mouseClick(title.Command1.widget(), Qt::LeftButton); }
    // Lets the agent notice plugging and run the events it deferred.
    void letTheAgentLook() {
        clock.advanceMs(1000);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
};

TEST_F(TitleScreen, BeforeTheSearchItGreetsAndChecks) {
    EXPECT_EQ(title.caption(), "Title Screen");
    EXPECT_EQ(title.LabelTitle.caption(), "Quorvantix");
    EXPECT_EQ(title.Labelstatus.caption(), "Checking Communications....");
    EXPECT_EQ(title.Label5.caption(), ".");
    for (ui::Label* empty : {&title.Label2, &title.Label3, &title.Label4, &title.Label6,
                             &title.Label7, &title.Label8}) {
        EXPECT_EQ(empty->caption(), "");
    }
    EXPECT_EQ(title.ResultsMemo.caption(), kGreeting);
    EXPECT_EQ(title.Command1.caption(), "DONE");
    for (const ui::Control* control : std::initializer_list<const ui::Control*>{
             &title.LabelTitle, &title.Labelstatus, &title.Label2, &title.ResultsMemo,
             &title.Command1}) {
        EXPECT_EQ(control->font().name, "Arial");
    }
}

TEST_F(TitleScreen, ShowingItSearchesAndListsTheModules) {
    title.show();
    EXPECT_TRUE(title.visible());
    EXPECT_EQ(title.Label2.caption(), "Quorvantix USB Interface From Lumetrica");
    EXPECT_EQ(title.Label3.caption(), "USB Vendor #: 1240");
    EXPECT_EQ(title.Label4.caption(), "Model #: 2012");
    EXPECT_EQ(title.ResultsMemo.caption(),
              kGreeting +
                  "\r\n  Team Interface 1-2 is connected and working.\r\n"
                  "  Team Interface 3-4 is connected and working.\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TitleScreen, DoneResetsAndLocksEveryModuleThenHandsOver) {
    title.show();
    clickDone();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(modules->module(i).commands(), (std::vector<int>{123, 123, 124}))
            << "opening, then DONE's reset and lock";
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "All systems go");
    EXPECT_EQ(platform.messages[0].icon, ui::MsgIcon::Information);
    EXPECT_EQ(platform.messages[0].title, "Initializtion Completed");
    EXPECT_FALSE(title.visible());
    EXPECT_EQ(menuShows, 1);
    EXPECT_TRUE(state.startupComplete);
}

TEST_F(TitleScreen, ShownAgainItSearchesAgainOnANewLine) {
    title.show();
    clickDone();
    modules->add({4097, 5});  // not yet noticed by the agent
    title.show();
    EXPECT_TRUE(title.ResultsMemo.caption().endsWith(
        "  Team Interface 3-4 is connected and working.\r\n\r\n"
        "  Team Interface 5 is connected and working.\r\n"));
    EXPECT_EQ(title.Label4.caption(), "Model #: 4097");
    EXPECT_EQ(link.moduleCount(), 3);
}

TEST_F(TitleScreen, ClosingItEndsTheProgram) {
    title.show();
    test::closeAsOperator(title.window());
    EXPECT_FALSE(title.visible());
    EXPECT_EQ(menuUnloads, 1);
    EXPECT_EQ(agent.OpenInterfaceCount(), 0);
    EXPECT_EQ(platform.quitCalls, 1);
}

TEST_F(TitleScreen, AContestantClickedInTheVirtualModulesWindowAnswers) {
    sim::VirtualModulesWindow contestants(*modules);
    contestants.show();
    title.show();
    clickDone();
    state.moduleCommand = 125;  // the board's arm
    link.ReportSender();
    link.NopReader();  // the reports of the arm
    QTest::mouseClick(contestants.panel(1).button({3, 2}), Qt::LeftButton);
    link.ReportChecker();
    EXPECT_EQ(state.respondingModule, 2);
    EXPECT_NE(state.responderCode, 255);
}

TEST_F(TitleScreen, UnpluggingInTheVirtualModulesWindowBeforeDoneIsListed) {
    sim::VirtualModulesWindow contestants(*modules);
    title.show();
    const int beeps = platform.beeps;
    QTest::mouseClick(contestants.panel(1).plugButton(), Qt::LeftButton);
    letTheAgentLook();
    EXPECT_EQ(platform.beeps, beeps + 2) << "the closed interface and the removal";
    EXPECT_TRUE(title.ResultsMemo.caption().endsWith(
        "The Team  3 module is DISCONNECTED or no longer working.\r\n"
        "The Team  4 module is DISCONNECTED or no longer working.\r\n"));
    EXPECT_TRUE(title.visible());
    EXPECT_EQ(rescueSaves, 0);
    EXPECT_EQ(platform.quitCalls, 0);
}

TEST_F(TitleScreen, UnpluggingInTheVirtualModulesWindowAfterDoneEndsTheProgram) {
    sim::VirtualModulesWindow contestants(*modules);
    title.show();
    clickDone();
    QTest::mouseClick(contestants.panel(0).plugButton(), Qt::LeftButton);
    letTheAgentLook();
    EXPECT_EQ(platform.messages.back().text,
              "Team Module has DISCONNECTED.  Program will save menu choices and shut down."
              "TEAM SCORES WILL NOT BE SAVED. Save player names and menu? ");
    EXPECT_EQ(platform.messages.back().buttons, ui::MsgButtons::OK);
    EXPECT_EQ(platform.messages.back().title, "");
    EXPECT_EQ(menuShows, 2) << "the set-up menu is shown to save from";
    EXPECT_EQ(rescueSaves, 1);
    EXPECT_EQ(menuUnloads, 1);
    EXPECT_FALSE(title.visible());
    EXPECT_EQ(platform.quitCalls, 1);
}

}  // namespace
