// Input reports through the agent: a descriptor, then reports as a device would send
// them. Every read gives values that fit the variable's size, and reads never fail once a
// report of that id came, whatever else arrived.
//
// Input: descriptor length (2 bytes, little-endian), the descriptor, then reports, each
// a length byte and that many bytes (the report id first when reports are numbered).
#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "FuzzCheck.h"
#include "ManualClock.h"
#include "ScriptedDevice.h"
#include "modulelink/HidAgent.h"
#include "modulelink/HidDescriptor.h"
#include "modulelink/SimTransport.h"

using namespace modulelink;

namespace {

constexpr std::size_t kMaxReports = 16;

struct Input {
    Bytes descriptor;
    std::vector<Bytes> reports;
};

Input split(const std::uint8_t* data, std::size_t size) {
    Input in;
    if (size < 2) {
        return in;
    }
    std::size_t at = 2;
    const std::size_t length = std::min<std::size_t>(data[0] | (data[1] << 8), size - at);
    in.descriptor.assign(data + at, data + at + length);
    at += length;
    while (at < size && in.reports.size() < kMaxReports) {
        const std::size_t n = std::min<std::size_t>(data[at], size - at - 1);
        in.reports.emplace_back(data + at + 1, data + at + 1 + n);
        at += 1 + n;
    }
    return in;
}

// The value of a variable fits its size: zero-extended, sign-extended when its logical
// minimum is negative, 0 or 1 for a usage of an array.
void checkValue(HidAgent& agent, int index) {
    agent.SelectVariable(index);
    const std::int64_t value = agent.GetUnscaledValue(index);
    if (agent.ArrayNotVariable()) {
        FUZZ_CHECK(value == 0 || value == 1);
        return;
    }
    const int bits = agent.SizeInBits();
    if (bits >= 32) {
        return;
    }
    if (agent.LogicalMinimum() < 0) {
        FUZZ_CHECK(value >= -(std::int64_t{1} << (bits - 1)));
        FUZZ_CHECK(value < (std::int64_t{1} << (bits - 1)));
    } else {
        FUZZ_CHECK(value >= 0 && value < (std::int64_t{1} << bits));
    }
    agent.GetScaledValue(index);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = split(data, size);
    test::ScriptedDevice device("fuzz", in.descriptor);
    SimTransport transport;
    transport.addDevice(device);
    test::ManualClock clock;
    {
        HidAgent agent(transport, clock);
        agent.setVID_To_Match(6561);
        agent.setSearchOnVID(true);
        agent.setTimeOut(0);
        if (!agent.OpenMatchingDevices()) {
            return 0;  // refused: malformed or too costly
        }
        // A fresh agent numbers the reports in the parser's order and the variables from 0.
        const HidReportDescriptor layout = parseHidDescriptor(in.descriptor).descriptor;
        std::vector<int> variables;
        for (int index = 0; agent.VariableReportIndex(index) >= 0; ++index) {
            variables.push_back(index);
        }
        std::size_t declared = 0;
        for (const HidReport& report : layout.reports) {
            for (const HidField& f : report.fields) {
                declared += f.variableCount();
            }
        }
        FUZZ_CHECK(variables.size() == declared);
        std::set<int> inputReports;
        for (std::size_t r = 0; r < layout.reports.size(); ++r) {
            const HidReport& report = layout.reports[r];
            agent.SelectReport(static_cast<int>(r));
            if (report.type == HidReportType::Input) {
                inputReports.insert(static_cast<int>(r));
            } else if (report.type == HidReportType::Output) {
                device.written.clear();
                FUZZ_CHECK(agent.WriteCurrentReport());
                FUZZ_CHECK(device.written.size() == 1);
                FUZZ_CHECK(device.written[0].size() == 1 + report.payloadBytes());
                FUZZ_CHECK(device.written[0][0] == report.id);
            }
        }
        std::set<int> arrived;
        for (const Bytes& report : in.reports) {
            device.send(report);
            for (int r : inputReports) {
                agent.SelectReport(r);
                if (agent.ReadCurrentReport()) {
                    arrived.insert(r);
                } else {
                    FUZZ_CHECK(arrived.count(r) == 0);  // once read, always readable
                }
            }
            for (int index : variables) {
                checkValue(agent, index);
            }
        }
        FUZZ_CHECK(agent.OpenInterfaceCount() == 1);  // bad reports never close it
    }
    QCoreApplication::processEvents();
    return 0;
}
