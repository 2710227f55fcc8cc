#pragma once

#include <QCoreApplication>
#include <memory>

#include "ManualClock.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "modulelink/HidAgent.h"
#include "modulelink/ModuleLink.h"
#include "sim/VirtualModuleSet.h"

namespace test {

// The module link over virtual modules and the real HID agent, with the windows around it
// replaced by counters.
struct LinkHarness : modulelink::StartupHost {
    ManualClock clock;
    model::MatchState state;
    RecordingPlatform platform;
    std::unique_ptr<sim::VirtualModuleSet> modules;
    std::unique_ptr<modulelink::HidAgent> agent;
    std::unique_ptr<modulelink::ModuleLink> link;
    int titleShows = 0, titleHides = 0, titleUnloads = 0;
    int menuShows = 0, rescueSaves = 0, menuUnloads = 0;

    explicit LinkHarness(const QString& list) {
        modules = sim::VirtualModuleSet::create(list).modules;
        if (!modules) {
            modules = std::make_unique<sim::VirtualModuleSet>(std::vector<sim::ModuleSpec>{});
        }
        agent = std::make_unique<modulelink::HidAgent>(modules->transport(), clock);
        link = std::make_unique<modulelink::ModuleLink>(*agent, state, platform, clock, *this);
    }

    // Load and the first activation of the start-up window.
    bool start() {
        link->Load();
        return link->Activate();
    }

    // Start-up through DONE, then every module armed as the board's arm step does.
    void startAndArm() {
        start();
        link->Command1_Click();
        send(125);
    }

    void send(int command) {
        state.moduleCommand = static_cast<std::int16_t>(command);
        link->ReportSender();
    }

    sim::VirtualModule& module(int position) { return modules->module(position - 1); }

    void showTitleForm() override { ++titleShows; }
    void hideTitleForm() override { ++titleHides; }
    void unloadTitleForm() override { ++titleUnloads; }
    void showSetupMenu() override { ++menuShows; }
    void SaveRescueFile() override { ++rescueSaves; }
    void unloadSetupMenu() override { ++menuUnloads; }
    void captionsChanged() override {}
};

}  // namespace test
