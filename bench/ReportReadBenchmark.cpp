// The cost of reading one report of an interface that declares as much as the agent takes
// (16384 variables): the team module's small report, and a report of the widest array. A
// read costs its own report's fields, whatever else the interface declares.
#include <benchmark/benchmark.h>

#include "ScriptedDevice.h"
#include "modulelink/HidAgent.h"
#include "modulelink/SimTransport.h"
#include "ui/QtClock.h"

namespace {

// Report 1: Data1..Data4 as a team module has them; reports 2 to 5: 12-bit arrays of 2730
// elements over 4096 usages each, together the most variables an interface may have.
modulelink::Bytes largestInterface() {
    modulelink::Bytes d = {0x05, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x85, 0x01, 0x95,
                           0x04, 0x09, 0x30, 0x09, 0x31, 0x09, 0x32, 0x09, 0x33, 0x81, 0x02};
    d.insert(d.end(), {0x15, 0x00, 0x26, 0xFF, 0x0F, 0x75, 0x0C, 0x96, 0xAA, 0x0A});
    for (std::uint8_t id = 2; id <= 4; ++id) {
        d.insert(d.end(), {0x85, id, 0x19, 0x00, 0x2A, 0xFF, 0x0F, 0x81, 0x00});
    }
    // The fourth array has 4092 usages, so that the team module's four make 16384.
    d.insert(d.end(), {0x85, 0x05, 0x19, 0x00, 0x2A, 0xFB, 0x0F, 0x81, 0x00});
    return d;
}

struct Reader {
    test::ScriptedDevice device{"bench", largestInterface()};
    modulelink::SimTransport transport;
    ui::QtClock clock;
    modulelink::HidAgent agent{transport, clock};
    int report = -1;

    explicit Reader(std::uint8_t id) {
        transport.addDevice(device);
        agent.setVID_To_Match(6561);
        agent.setSearchOnVID(true);
        if (!agent.OpenMatchingDevices()) {
            throw std::runtime_error(agent.lastError().toStdString());
        }
        // Data1 is in report 1 only; usage 0x10 first in the array of report 2.
        const int usage = id == 1 ? 0x30 : 0x10;
        report = agent.VariableReportIndex(agent.FindVariable(1, usage, 0, false));
        modulelink::Bytes whole(id == 1 ? 5 : 1 + 4095, 0x01);
        whole[0] = id;
        device.send(whole);
        agent.SelectReport(report);
    }
};

void BM_ReadTheTeamReportOfTheLargestInterface(benchmark::State& s) {
    Reader r(1);
    for (auto _ : s) {
        benchmark::DoNotOptimize(r.agent.ReadCurrentReport());
    }
}
BENCHMARK(BM_ReadTheTeamReportOfTheLargestInterface);

void BM_ReadTheWidestArrayReport(benchmark::State& s) {
    Reader r(2);
    for (auto _ : s) {
        benchmark::DoNotOptimize(r.agent.ReadCurrentReport());
    }
}
BENCHMARK(BM_ReadTheWidestArrayReport);

}  // namespace
