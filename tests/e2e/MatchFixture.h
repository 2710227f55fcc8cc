#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include "ManualClock.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "app/Console.h"
#include "sim/VirtualModuleSet.h"

namespace test {

// The console as the program builds it, on virtual team modules (by default two two-team
// modules, teams 1-4), the recording platform and the manual clock.
struct Match : ::testing::Test {
    explicit Match(const char* moduleList = "2012:1-2,2012:3-4")
        : modules(sim::VirtualModuleSet::create(moduleList, clock.stamps()).modules),
          console(platform, clock, modules->transport()) {}
    // Modules whose reports the test stamps with their arrival time.
    Match(const std::vector<sim::ModuleSpec>& specs, modulelink::SimTransport::Stamp stamp)
        : modules(std::make_unique<sim::VirtualModuleSet>(specs, std::move(stamp))),
          console(platform, clock, modules->transport()) {}

    test::TempFolder folder;
    test::RecordingPlatform platform{folder.path()};
    test::ManualClock clock;
    std::unique_ptr<sim::VirtualModuleSet> modules;
    app::Console console;

    sim::VirtualModule& module(int position) { return modules->module(position - 1); }
    boards::ScoreBoard3& board() { return console.classicBoard(); }
    void space() { QTest::keyClick(board().window(), Qt::Key_Space); }
    int last(int position) { return module(position).commands().back(); }

    // Forgets what the modules received so far.
    void clearCommands() {
        for (int i = 0; i < modules->size(); ++i) {
            modules->module(i).clearCommands();
        }
    }
    // What each module received since, module 1 first.
    std::vector<std::vector<int>> received() {
        std::vector<std::vector<int>> all;
        for (int i = 0; i < modules->size(); ++i) {
            all.push_back(modules->module(i).commands());
        }
        return all;
    }

    // Start-up, DONE, and out of the menu onto the board it chose.
    void openBoard(const QString& matchTime = "15:00") {
        console.start();
        console.titleForm().Command1.click();
        console.menu().Texttimer[6]->setText(matchTime);
        console.menu().CommandHide_Click();
    }
};

// The classic board's three one-team modules, with reports the test stamps itself.
struct StampedMatch : Match {
    StampedMatch() : Match({{4097, 1}, {4097, 2}, {4097, 3}}, [this] { return stamp; }) {}
    void pressAt(modulelink::ArrivalTime at, int position, sim::Button button) {
        stamp = at;
        module(position).press({button});
    }
    modulelink::ArrivalTime stamp{0};
};

}  // namespace test
