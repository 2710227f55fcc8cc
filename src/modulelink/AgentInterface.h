#pragma once

#include <QString>
#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "modulelink/HidDescriptor.h"
#include "modulelink/HidTransport.h"

namespace modulelink {

// One variable of an open interface: one element of a variable field, or one usage of an
// array field (value 1 while the array holds that usage).
struct AgentVariable {
    int index = -1;           // in the agent's list of all variables
    int reportIndex = -1;     // in the agent's list of all reports
    int localReport = -1;     // position in its interface's report list
    std::uint32_t usage = 0;  // extended: page << 16 | id
    HidReportType reportType = HidReportType::Input;
    std::uint32_t fieldNumber = 0;  // which field of its report
    std::uint32_t bitOffset = 0;    // of the element (variable) or of the field (array)
    std::uint32_t bitSize = 0;
    std::uint32_t arrayPosition = 0;  // array usages: position in the field's usage list
    bool arrayUsage = false;
    std::uint32_t flags = 0;
    std::int32_t logicalMinimum = 0;
    std::int32_t logicalMaximum = 0;
    std::int32_t physicalMinimum = 0;
    std::int32_t physicalMaximum = 0;
    std::uint32_t stringIndex = 0;
    std::int32_t value = 0;
    int scaleMode = 0;
    QString name;

    bool isButton() const { return arrayUsage || bitSize == 1; }
    std::int32_t scaled() const;
    void setScaled(std::int32_t scaledValue);
};

struct AgentReport {
    int index = -1;
    HidReport layout;
    bool everArrived = false;
    // The one wait of up to TimeOut for the first report has been made.
    bool waitedForFirst = false;
    // A read asked for it: its arrivals are awaited (open arrival groups, count as waiting).
    bool askedFor = false;
    // Its variables: a run of the interface's list, so a read touches only its own.
    std::size_t firstVariable = 0;
    std::size_t variableCount = 0;
};

// Reports that came back to back (kBackToBack apart at most): a queue in the device draining.
struct ArrivalRun {
    std::optional<ArrivalTime> last;  // the latest report's arrival
    ArrivalTime start{0};             // when the run it is in began
    void add(ArrivalTime arrival) {
        if (!last || arrival - *last >= kBackToBack) {
            start = arrival;
        }
        last = std::max(arrival, last.value_or(arrival));
    }
};

// When an input report arrived, and when the interface's reports began to come back to
// back, this one included: counting the reports that reads ask for, and reports of any kind.
struct ArrivalStamp {
    ArrivalTime at{0};
    ArrivalTime streamStart{0};
    ArrivalTime anyKindStart{0};
};

// An input report taken from the transport that no read has taken yet.
struct PendingReport {
    Bytes whole;  // as read (id byte first when numbered)
    ArrivalStamp stamp;
};

// An open interface with its reports, variables and pending input reports.
struct AgentInterface {
    HidDeviceInfo info;
    std::unique_ptr<HidConnection> connection;
    std::int32_t handle = 0;
    bool numberedReports = false;
    std::vector<AgentReport> reports;
    std::vector<AgentVariable> variables;
    std::deque<PendingReport> pending;
    std::vector<Bytes> mostRecent;              // per report: the payload last read (empty before)
    std::vector<ArrivalStamp> mostRecentStamp;  // ... and when it arrived
    // The interface's reports that reads ask for, and its reports of any kind (a status
    // report takes a poll too).
    ArrivalRun askedForRun;
    ArrivalRun anyKindRun;

    // Lays out reports and variables, numbering them from the given bases.
    void build(const HidReportDescriptor& descriptor, int reportBase, int variableBase);
    QString name() const;
    int localReportOfInput(std::uint8_t id) const;
    // The input report id of a whole report as read.
    std::uint8_t idOf(const Bytes& whole) const;
    // Whether a read asked for the report this pending one is of.
    bool awaited(const PendingReport& report) const;
    // The report's payload (after the id byte) from a whole report.
    Bytes payloadOf(const Bytes& whole) const;
    // Fills the report's variables from a payload, and builds a payload from them; either
    // costs only the report's own fields.
    void unpack(int localReport, const Bytes& payload);
    Bytes pack(int localReport) const;
};

}  // namespace modulelink
