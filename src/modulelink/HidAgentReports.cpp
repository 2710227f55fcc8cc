#include "modulelink/HidAgent.h"

#include <algorithm>

#include "modulelink/AgentInterface.h"

// Input reports as they arrive, read in arrival groups, and output reports written.
namespace modulelink {

namespace {

// The oldest pending report with this id (any report when the reports are unnumbered)
// that arrived by the limit, when there is one.
std::deque<PendingReport>::iterator firstPending(AgentInterface& intf, std::uint8_t id,
                                                 std::optional<ArrivalTime> limit) {
    return std::find_if(intf.pending.begin(), intf.pending.end(), [&](const PendingReport& p) {
        return intf.idOf(p.whole) == id && (!limit || p.stamp.at <= *limit);
    });
}

}  // namespace

bool HidAgent::acceptReport(AgentInterface& intf, Bytes data, ArrivalTime arrival) {
    intf.anyKindRun.add(arrival);
    const std::uint8_t id = intf.idOf(data);
    const int local = intf.localReportOfInput(id);
    // The other run counts only the reports that reads ask for: a module's status reports
    // answer the console's own commands and say little of what it had queued.
    if (local >= 0 && intf.reports[static_cast<std::size_t>(local)].askedFor) {
        intf.askedForRun.add(arrival);
    }
    if (local < 0 || (intf.numberedReports && data.empty()) ||
        intf.payloadOf(data).size() <
            intf.reports[static_cast<std::size_t>(local)].layout.payloadBytes()) {
        ++droppedReports_;  // undeclared id or cut short: its values would be garbage
        return false;
    }
    const auto sameReport = [&](const PendingReport& p) { return intf.idOf(p.whole) == id; };
    if (std::count_if(intf.pending.begin(), intf.pending.end(), sameReport) >= kMaxPendingReports) {
        intf.pending.erase(std::find_if(intf.pending.begin(), intf.pending.end(), sameReport));
    }
    intf.pending.push_back(
        {std::move(data), {arrival, intf.askedForRun.start, intf.anyKindRun.start}});
    intf.reports[static_cast<std::size_t>(local)].everArrived = true;
    emit ReportArrived(local, intf.reports[static_cast<std::size_t>(local)].index);
    return true;
}

void HidAgent::BeginArrivalGroup() {
    // Everything that came is sorted in first: only awaited reports may open the group.
    arrivalLimit_.reset();
    drainAll(false);
    std::optional<ArrivalTime> earliest;
    for (const auto& intf : interfaces_) {
        for (const PendingReport& p : intf->pending) {
            if (intf->awaited(p) && (!earliest || p.stamp.at < *earliest)) {
                earliest = p.stamp.at;
            }
        }
    }
    arrivalLimit_ = earliest ? *earliest + kArrivedTogether : ArrivalTime::min();
}

bool HidAgent::ArrivalsWaiting() {
    drainAll(false);
    return std::any_of(
        interfaces_.begin(), interfaces_.end(), [](const std::unique_ptr<AgentInterface>& i) {
            return std::any_of(i->pending.begin(), i->pending.end(),
                               [&](const PendingReport& p) { return i->awaited(p); });
        });
}

ArrivalTime HidAgent::ReportArrival(int reportIndex) const {
    int local = -1;
    const AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf ? intf->mostRecentStamp[static_cast<std::size_t>(local)].at : ArrivalTime{0};
}

ArrivalTime HidAgent::ReportStreamStart(int reportIndex) const {
    int local = -1;
    const AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf ? intf->mostRecentStamp[static_cast<std::size_t>(local)].streamStart
                : ArrivalTime{0};
}

ArrivalTime HidAgent::ReportAnyKindStart(int reportIndex) const {
    int local = -1;
    const AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf ? intf->mostRecentStamp[static_cast<std::size_t>(local)].anyKindStart
                : ArrivalTime{0};
}

std::optional<ArrivalTime> HidAgent::LastHeard(int reportIndex) const {
    int local = -1;
    const AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf ? intf->anyKindRun.last : std::nullopt;
}

std::optional<ArrivalTime> HidAgent::LatestArrival(int reportIndex) const {
    int local = -1;
    const AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf ? intf->askedForRun.last : std::nullopt;
}

bool HidAgent::ReportOpen(int reportIndex) const {
    int local = -1;
    return interfaceOfReport(reportIndex, &local) != nullptr;
}

bool HidAgent::ReportPending(int reportIndex) const {
    int local = -1;
    AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf && firstPending(*intf, intf->reports[static_cast<std::size_t>(local)].layout.id,
                                arrivalLimit_) != intf->pending.end();
}

bool HidAgent::ReportQueued(int reportIndex) const {
    int local = -1;
    AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf && firstPending(*intf, intf->reports[static_cast<std::size_t>(local)].layout.id,
                                std::nullopt) != intf->pending.end();
}

void HidAgent::DiscardArrivals() {
    drainAll(true);
}

void HidAgent::drainPending(AgentInterface& intf) {
    const std::int32_t handle = intf.handle;
    for (;;) {
        if (arrivalLimit_) {
            const std::optional<ArrivalTime> next = intf.connection->nextArrival();
            if (!next || *next > *arrivalLimit_) {
                return;  // arrived after this group: the next check takes it
            }
        }
        HidReadResult r = intf.connection->readPending();
        if (r.failed()) {
            failInterface(intf, r.error, r.deviceGone);
            return;
        }
        if (!r.gotReport()) {
            return;
        }
        acceptReport(intf, std::move(r.data), r.arrival);
        if (!interfaceById(handle)) {
            return;  // a ReportArrived handler closed everything
        }
    }
}

bool HidAgent::ReadCurrentReport() {
    int local = -1;
    AgentInterface* intf = interfaceOfReport(currentReport_, &local);
    if (!intf) {
        lastError_ = QStringLiteral("report %1 is not open").arg(currentReport_);
        return false;
    }
    const std::int32_t handle = intf->handle;
    AgentReport& report = intf->reports[static_cast<std::size_t>(local)];
    if (report.layout.type == HidReportType::Output) {
        lastError_ = QStringLiteral("report %1 is an output report").arg(currentReport_);
        return false;
    }
    if (report.layout.type == HidReportType::Feature) {
        HidReadResult r =
            intf->connection->readFeature(report.layout.id, report.layout.payloadBytes() + 1);
        if (r.failed()) {
            failInterface(*intf, r.error, r.deviceGone);
            return false;
        }
        if (r.data.size() < report.layout.payloadBytes() + 1) {
            lastError_ = QStringLiteral("feature report %1 came back short").arg(report.layout.id);
            return false;
        }
        intf->unpack(local, Bytes(r.data.begin() + 1, r.data.end()));
        return true;
    }
    report.askedFor = true;
    drainPending(*intf);
    if (!interfaceById(handle)) {
        return false;
    }
    // Only the first read of a report that never came waits: a silent module must not stall
    // every poll after it.
    if (!report.everArrived && !report.waitedForFirst) {
        report.waitedForFirst = true;
        HidReadResult r = intf->connection->readWithin(timeOutMs_);
        if (r.failed()) {
            failInterface(*intf, r.error, r.deviceGone);
            return false;
        }
        if (r.gotReport()) {
            acceptReport(*intf, std::move(r.data), r.arrival);
            if (!interfaceById(handle)) {
                return false;
            }
        }
    }
    if (!report.everArrived) {
        lastError_ =
            QStringLiteral("no report %1 within %2 ms").arg(report.layout.id).arg(timeOutMs_);
        return false;
    }
    // In a check, a report that arrived after the group waits; a module's very first report
    // is taken whenever it came, as there is no earlier state to show.
    const bool neverRead = intf->mostRecent[static_cast<std::size_t>(local)].empty();
    auto it = firstPending(*intf, report.layout.id, neverRead ? std::nullopt : arrivalLimit_);
    if (it != intf->pending.end()) {
        intf->mostRecent[static_cast<std::size_t>(local)] = intf->payloadOf(it->whole);
        intf->mostRecentStamp[static_cast<std::size_t>(local)] = it->stamp;
        intf->pending.erase(it);
    }
    intf->unpack(local, intf->mostRecent[static_cast<std::size_t>(local)]);
    return true;
}

bool HidAgent::WriteCurrentReport() {
    int local = -1;
    AgentInterface* intf = interfaceOfReport(currentReport_, &local);
    if (!intf) {
        lastError_ = QStringLiteral("report %1 is not open").arg(currentReport_);
        return false;
    }
    const HidReport& layout = intf->reports[static_cast<std::size_t>(local)].layout;
    if (layout.type == HidReportType::Input) {
        lastError_ = QStringLiteral("report %1 is an input report").arg(currentReport_);
        return false;
    }
    Bytes data{layout.id};
    const Bytes payload = intf->pack(local);
    data.insert(data.end(), payload.begin(), payload.end());
    const HidWriteResult w = layout.type == HidReportType::Output
                                 ? intf->connection->writeOutput(data)
                                 : intf->connection->writeFeature(data);
    if (!w.ok) {
        failInterface(*intf, w.error, w.deviceGone);
        return false;
    }
    return true;
}

}  // namespace modulelink
