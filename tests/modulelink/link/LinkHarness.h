#pragma once

#include <QCoreApplication>
#include <memory>

#include "FaultyTransport.h"
#include "ManualClock.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "modulelink/HidAgent.h"
#include "modulelink/ModuleLink.h"
#include "modulelink/SimDevice.h"
#include "sim/ModuleDescriptors.h"
#include "sim/VirtualModuleSet.h"

namespace test {

// A team module written by hand: it answers every reset (123) with an input report whose
// Data1 carries the given identity bits; a test sends it further reports and can make its
// writes fail (a failing module whose interface closes although it stays plugged in).
class HandModule final : public modulelink::SimDevice {
  public:
    HandModule(std::string path, std::uint16_t model, std::uint8_t identity)
        : model_(model), identity_(identity) {
        info_.path = std::move(path);
        info_.vendorId = 6561;
        info_.productId = model;
    }

    // An input report: Data1 to Data4 and the four padding bytes.
    void send(std::uint8_t data1, std::uint8_t data3 = 0, std::uint8_t data4 = 0) {
        if (sink_) {
            sink_({data1, 0, data3, data4, 0, 0, 0, 0});
        }
    }
    void refuseWrites(bool on) { refuse_ = on; }
    // Command codes received, in order.
    std::vector<int> commands;

    modulelink::HidDeviceInfo deviceInfo() const override { return info_; }
    bool isPlugged() const override { return true; }
    int plugGeneration() const override { return 1; }
    modulelink::Bytes reportDescriptorBytes() const override {
        return sim::moduleReportDescriptor(model_);
    }
    bool receiveOutputReport(const modulelink::Bytes& data) override {
        if (refuse_ || data.size() < 2) {
            return false;
        }
        commands.push_back(data[1]);
        if (data[1] == 123) {
            send(identity_);
        }
        return true;
    }
    void setReportSink(ReportSink sink) override { sink_ = std::move(sink); }

  private:
    modulelink::HidDeviceInfo info_;
    std::uint16_t model_;
    std::uint8_t identity_;
    ReportSink sink_;
    bool refuse_ = false;
};

// The module link over virtual modules and the real HID agent, with the windows around it
// replaced by counters. The modules are reached through a transport that fails on demand;
// `watch` sees the agent before the module link connects to it, so it hears every event
// before the link's handlers run.
struct LinkHarness : modulelink::StartupHost {
    ManualClock clock;
    model::MatchState state;
    RecordingPlatform platform;
    std::unique_ptr<sim::VirtualModuleSet> modules;
    std::unique_ptr<FaultyTransport> transport;
    std::unique_ptr<modulelink::HidAgent> agent;
    std::unique_ptr<modulelink::ModuleLink> link;
    int titleShows = 0, titleHides = 0, titleUnloads = 0;
    int menuShows = 0, rescueSaves = 0, menuUnloads = 0;

    explicit LinkHarness(const QString& list,
                         const std::function<void(modulelink::HidAgent&)>& watch = {}) {
        modules = sim::VirtualModuleSet::create(list, clock.stamps()).modules;
        if (!modules) {
            modules = std::make_unique<sim::VirtualModuleSet>(std::vector<sim::ModuleSpec>{},
                                                              clock.stamps());
        }
        connect(watch);
    }
    // Modules whose reports are stamped by the test.
    LinkHarness(const std::vector<sim::ModuleSpec>& specs, modulelink::SimTransport::Stamp stamp,
                const std::function<void(modulelink::HidAgent&)>& watch = {}) {
        modules = std::make_unique<sim::VirtualModuleSet>(specs, std::move(stamp));
        connect(watch);
    }
    void connect(const std::function<void(modulelink::HidAgent&)>& watch) {
        transport = std::make_unique<FaultyTransport>(modules->transport());
        agent = std::make_unique<modulelink::HidAgent>(*transport, clock);
        if (watch) {
            watch(*agent);
        }
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
        link->startAfresh();  // the operator's arm: nothing from before counts
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
