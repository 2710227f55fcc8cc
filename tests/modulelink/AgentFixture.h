#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <vector>

#include "ManualClock.h"
#include "ScriptedDevice.h"
#include "modulelink/HidAgent.h"
#include "modulelink/SimTransport.h"

namespace test {

// Descriptor of a team module: Data1..Data4 (8 bits, 0..255) in, Command1 out.
inline const modulelink::Bytes kTeamModule = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x04, 0x09,
    0x30, 0x09, 0x31, 0x09, 0x32, 0x09, 0x33, 0x81, 0x02, 0x95, 0x01, 0x09, 0x3E, 0x91, 0x02, 0xC0};

// An agent over scripted devices, with every event it raised in order.
class AgentFixture : public ::testing::Test {
  protected:
    AgentFixture() : agent(transport, clock) {
        QObject::connect(
            &agent, &modulelink::HidAgent::InterfaceOpened, &agent,
            [this](int a, int, int position, const QString&) {
                events.push_back(QStringLiteral("opened %1 at %2").arg(a).arg(position));
            });
        QObject::connect(
            &agent, &modulelink::HidAgent::InterfaceClosed, &agent,
            [this](int still, const QString&, std::int32_t handle) {
                events.push_back(QStringLiteral("closed %1, %2 open").arg(handle).arg(still));
            });
        QObject::connect(&agent, &modulelink::HidAgent::DeviceArrived, &agent,
                         [this](int, const QString& text) { events.push_back("arrived " + text); });
        QObject::connect(&agent, &modulelink::HidAgent::DeviceRemoved, &agent,
                         [this](int, const QString& text) { events.push_back("removed " + text); });
        QObject::connect(&agent, &modulelink::HidAgent::StatusMessage, &agent,
                         [this](const QString& text) { statusMessages.push_back(text); });
    }

    ScriptedDevice& addDevice(const modulelink::Bytes& descriptor, std::uint16_t vendor = 6561) {
        devices.push_back(std::make_unique<ScriptedDevice>(
            "dev:" + std::to_string(devices.size() + 1), descriptor, vendor));
        transport.addDevice(*devices.back());
        return *devices.back();
    }

    bool openAll() {
        agent.setVID_To_Match(6561);
        agent.setSearchOnVID(true);
        return agent.OpenMatchingDevices();
    }

    // Selects the interface opened k-th and finds a usage of page 1 in it.
    int variableOf(int k, int usage, int type = 0) {
        agent.SelectOpenInterface(k);
        return agent.FindVariable(1, usage, type, false);
    }

    bool read(int variable) {
        agent.SelectReport(agent.VariableReportIndex(variable));
        return agent.ReadCurrentReport();
    }

    bool write(int variable, std::int32_t value) {
        agent.SetUnscaledValue(variable, value);
        agent.SelectReport(agent.VariableReportIndex(variable));
        return agent.WriteCurrentReport();
    }

    static void deliverEvents() { QCoreApplication::processEvents(); }

    std::vector<std::unique_ptr<ScriptedDevice>> devices;  // outlive the transport
    modulelink::ArrivalTime stamp{0};                      // of every report sent now
    modulelink::SimTransport transport{[this] { return stamp; }};
    ManualClock clock;
    modulelink::HidAgent agent;
    std::vector<QString> events;
    std::vector<QString> statusMessages;
};

}  // namespace test
