#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <vector>

#include "ManualClock.h"
#include "modulelink/HidAgent.h"
#include "modulelink/TFourCh.h"
#include "sim/VirtualModuleSet.h"

namespace test {

// Virtual modules from a list, opened by an agent the way the start-up window opens them:
// one TFourCh per interface, in opening order.
class SimFixture {
  public:
    explicit SimFixture(const QString& list)
        : set(create(list, clock)), agent(set->transport(), clock) {
        agent.setVID_To_Match(6561);
        agent.setSearchOnVID(true);
        QObject::connect(&agent, &modulelink::HidAgent::InterfaceOpened, &agent,
                         [this](int, int, int, const QString&) {
                             modules.push_back(std::make_unique<modulelink::TFourCh>(counter));
                             EXPECT_EQ(modules.back()->BindVars(agent), 0);
                         });
        EXPECT_TRUE(agent.OpenMatchingDevices());
    }

    static std::unique_ptr<sim::VirtualModuleSet> create(const QString& list,
                                                         const ManualClock& clock) {
        auto created = sim::VirtualModuleSet::create(list, clock.stamps());
        EXPECT_TRUE(created.modules) << created.error.toStdString();
        return std::move(created.modules);
    }

    bool send(int position, int code) {
        modulelink::TFourCh& m = *modules.at(static_cast<std::size_t>(position));
        m.Command1().setUnScaledValue(code);
        return m.WriteAllReports();
    }
    void sendAll(int code) {
        for (std::size_t i = 0; i < modules.size(); ++i) {
            EXPECT_TRUE(send(static_cast<int>(i), code));
        }
    }

    // Data1, Data3, Data4 of the next report of a module; Data1 -1 when the read failed.
    struct Report {
        int data1 = -1;
        int data3 = 0;
        int data4 = 0;
    };
    Report read(int position) {
        modulelink::TFourCh& m = *modules.at(static_cast<std::size_t>(position));
        if (!m.ReadAllReports()) {
            return {};
        }
        return {m.Data1().UnScaledValue(), m.Data3().UnScaledValue(), m.Data4().UnScaledValue()};
    }

    std::int32_t counter = 0;
    ManualClock clock;
    std::unique_ptr<sim::VirtualModuleSet> set;
    modulelink::HidAgent agent;
    std::vector<std::unique_ptr<modulelink::TFourCh>> modules;
};

}  // namespace test
