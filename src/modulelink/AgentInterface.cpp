#include "modulelink/AgentInterface.h"

#include <cmath>

#include "modulelink/ReportBits.h"

namespace modulelink {

namespace {

bool hasPhysicalRange(const AgentVariable& v) {
    return !(v.physicalMinimum == 0 && v.physicalMaximum == 0) &&
           v.logicalMaximum != v.logicalMinimum;
}

std::int32_t roundToInt32(double v) {
    if (!(v > -2147483648.0)) {
        return INT32_MIN;
    }
    if (!(v < 2147483647.0)) {
        return INT32_MAX;
    }
    return static_cast<std::int32_t>(std::lround(v));
}

}  // namespace

std::int32_t AgentVariable::scaled() const {
    if (!hasPhysicalRange(*this)) {
        return value;
    }
    const double span = double(physicalMaximum) - double(physicalMinimum);
    return roundToInt32(physicalMinimum + (double(value) - logicalMinimum) * span /
                                              (double(logicalMaximum) - logicalMinimum));
}

void AgentVariable::setScaled(std::int32_t scaledValue) {
    if (!hasPhysicalRange(*this) || physicalMaximum == physicalMinimum) {
        value = scaledValue;
        return;
    }
    const double span = double(logicalMaximum) - double(logicalMinimum);
    value = roundToInt32(logicalMinimum + (double(scaledValue) - physicalMinimum) * span /
                                              (double(physicalMaximum) - physicalMinimum));
}

void AgentInterface::build(const HidReportDescriptor& descriptor, int reportBase,
                           int variableBase) {
    numberedReports = descriptor.numberedReports;
    reports.clear();
    variables.clear();
    for (const HidReport& layout : descriptor.reports) {
        const int local = static_cast<int>(reports.size());
        AgentReport report;
        report.index = reportBase + local;
        report.layout = layout;
        report.firstVariable = variables.size();
        for (std::uint32_t f = 0; f < layout.fields.size(); ++f) {
            const HidField& field = layout.fields[f];
            if (field.isConstant()) {
                continue;  // padding: on the wire, never a variable
            }
            AgentVariable v;
            v.reportIndex = reportBase + local;
            v.localReport = local;
            v.reportType = layout.type;
            v.fieldNumber = f;
            v.bitSize = field.bitSize;
            v.flags = field.flags;
            v.logicalMinimum = field.logicalMinimum;
            v.logicalMaximum = field.logicalMaximum;
            v.physicalMinimum = field.physicalMinimum;
            v.physicalMaximum = field.physicalMaximum;
            v.stringIndex = field.stringIndex;
            if (field.isVariable()) {
                for (std::uint32_t i = 0; i < field.count; ++i) {
                    v.usage = field.usageOfElement(i);
                    v.bitOffset = field.bitOffset + i * field.bitSize;
                    v.index = variableBase + static_cast<int>(variables.size());
                    variables.push_back(v);
                }
            } else {
                v.arrayUsage = true;
                v.bitOffset = field.bitOffset;
                for (std::uint32_t i = 0; i < field.usages.size(); ++i) {
                    v.usage = field.usages[i];
                    v.arrayPosition = i;
                    v.index = variableBase + static_cast<int>(variables.size());
                    variables.push_back(v);
                }
            }
        }
        report.variableCount = variables.size() - report.firstVariable;
        reports.push_back(std::move(report));
    }
    mostRecent.assign(reports.size(), Bytes{});
    mostRecentStamp.assign(reports.size(), ArrivalStamp{});
}

QString AgentInterface::name() const {
    return info.productName.isEmpty() ? QString::fromStdString(info.path) : info.productName;
}

int AgentInterface::localReportOfInput(std::uint8_t id) const {
    for (std::size_t i = 0; i < reports.size(); ++i) {
        if (reports[i].layout.type == HidReportType::Input && reports[i].layout.id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::uint8_t AgentInterface::idOf(const Bytes& whole) const {
    return numberedReports && !whole.empty() ? whole.front() : 0;
}

bool AgentInterface::awaited(const PendingReport& report) const {
    const int local = localReportOfInput(idOf(report.whole));
    return local >= 0 && reports[static_cast<std::size_t>(local)].askedFor;
}

Bytes AgentInterface::payloadOf(const Bytes& whole) const {
    if (!numberedReports) {
        return whole;
    }
    return whole.empty() ? Bytes{} : Bytes(whole.begin() + 1, whole.end());
}

void AgentInterface::unpack(int localReport, const Bytes& payload) {
    const AgentReport& report = reports.at(static_cast<std::size_t>(localReport));
    const std::size_t end = report.firstVariable + report.variableCount;
    for (std::size_t p = report.firstVariable; p < end;) {
        AgentVariable& v = variables[p];
        const bool isSigned = v.logicalMinimum < 0;
        if (!v.arrayUsage) {
            v.value = extendValue(readBits(payload, v.bitOffset, v.bitSize), v.bitSize, isSigned);
            ++p;
            continue;
        }
        // An array field's usages are a run of variables from position 0 on; an element
        // holds logicalMinimum + the position of the usage it selects. One pass over the
        // elements sets them all.
        const HidField& field = report.layout.fields[v.fieldNumber];
        const std::size_t usages = field.usages.size();
        for (std::size_t u = 0; u < usages; ++u) {
            variables[p + u].value = 0;
        }
        for (std::uint32_t e = 0; e < field.count; ++e) {
            const std::int64_t element =
                extendValue(readBits(payload, field.bitOffset + e * field.bitSize, field.bitSize),
                            field.bitSize, isSigned);
            const std::int64_t position = element - v.logicalMinimum;
            if (position >= 0 && position < static_cast<std::int64_t>(usages)) {
                variables[p + static_cast<std::size_t>(position)].value = 1;
            }
        }
        p += usages;
    }
}

Bytes AgentInterface::pack(int localReport) const {
    const AgentReport& report = reports.at(static_cast<std::size_t>(localReport));
    const HidReport& layout = report.layout;
    Bytes payload(layout.payloadBytes(), 0);
    std::vector<std::uint32_t> arrayFill(layout.fields.size(), 0);  // elements used per field
    const std::size_t end = report.firstVariable + report.variableCount;
    for (std::size_t p = report.firstVariable; p < end; ++p) {
        const AgentVariable& v = variables[p];
        if (!v.arrayUsage) {
            writeBits(payload, v.bitOffset, v.bitSize, static_cast<std::uint32_t>(v.value));
            continue;
        }
        const HidField& field = layout.fields[v.fieldNumber];
        std::uint32_t& used = arrayFill[v.fieldNumber];
        if (v.value != 0 && used < field.count) {
            const auto element =
                static_cast<std::uint32_t>(std::int64_t{v.logicalMinimum} + v.arrayPosition);
            writeBits(payload, field.bitOffset + used * field.bitSize, field.bitSize, element);
            ++used;
        }
    }
    return payload;
}

}  // namespace modulelink
