#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "modulelink/HidTransport.h"
#include "ui/Clock.h"
#include "ui/Timer.h"

namespace modulelink {

struct AgentInterface;
struct AgentVariable;
class LoopWake;

// The HID access component: finds and opens interfaces by vendor id, keeps numbered lists
// of open interfaces, reports and variables (one variable per usage), reads and writes
// reports and raises the events below. The same logic runs over real and virtual
// transports.
//
// Numbering: interface ids are the handles (positive, unique per opening). Report and
// variable indexes are never reused, so an index stays valid until its interface closes
// and then simply refers to nothing (reads give 0 or false). Open interfaces keep the
// order in which they were opened.
//
// Input reports: each interface keeps up to 32 pending reports of each input report
// (oldest dropped), so a report nobody reads never pushes out one that is read. A read
// takes the next pending report of that id; with none pending it succeeds with the most
// recent one; before any report of that id arrived it waits up to TimeOut ms once.
// Reports of an undeclared id or shorter than declared are dropped.
//
// Arrivals: transports queue reports as they arrive (from reader threads for real devices),
// stamped with their arrival time, and wake the event loop, which raises ReportsWaiting.
// While an arrival group is open (BeginArrivalGroup .. EndArrivalGroup, one report check),
// reads take only the reports that arrived within kArrivedTogether of the earliest one not
// taken yet: a later report waits for the next check, so a report check never lets a later
// press beat an earlier one, and reports that arrived together are seen together. Only
// reports of an input report that some read asked for open a group or count as waiting:
// another (a second input report no check reads) would hold the window for ever.
//
// A failed read or write closes the interface; its InterfaceClosed event is delivered
// from the event loop after the failing call has returned, so callers walking their own
// module lists are never changed under their feet. When the device has gone, its
// DeviceRemoved follows the same way. A search (OpenMatchingDevices) first reports the
// removals since the last look, so none is lost to it. Removals found by the periodic
// enumeration (about once a second, started by PrepareAgent) raise InterfaceClosed and
// then DeviceRemoved right away.
class HidAgent : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxPendingReports = 32;
    static constexpr int kEnumerationIntervalMs = 1000;
    // Closer than a full-speed USB frame (1 ms) can tell apart.
    static constexpr ArrivalTime kArrivedTogether = std::chrono::microseconds(250);

    HidAgent(HidTransport& transport, ui::Clock& clock, QObject* parent = nullptr);
    ~HidAgent() override;

    // Stored settings.
    QString LogFile() const { return logFile_; }
    void setLogFile(const QString& path) { logFile_ = path; }
    bool Logging() const { return logging_; }
    void setLogging(bool on) { logging_ = on; }
    int TimeOut() const { return timeOutMs_; }
    void setTimeOut(int ms) { timeOutMs_ = ms < 0 ? 0 : ms; }
    bool Verbose() const { return verbose_; }
    void setVerbose(bool on) { verbose_ = on; }
    bool ShowOperations() const { return showOperations_; }
    void setShowOperations(bool on) { showOperations_ = on; }
    int VID_To_Match() const { return vidToMatch_; }
    void setVID_To_Match(int vid) { vidToMatch_ = vid; }
    int PID_To_Match() const { return pidToMatch_; }
    void setPID_To_Match(int pid) { pidToMatch_ = pid; }
    bool SearchOnVID() const { return searchOnVid_; }
    void setSearchOnVID(bool on) { searchOnVid_ = on; }
    bool SearchOnPID() const { return searchOnPid_; }
    void setSearchOnPID(bool on) { searchOnPid_ = on; }

    // Starts watching for arrivals and removals.
    void PrepareAgent();
    // Opens every matching interface not open yet, raising InterfaceOpened for each new one
    // (with it current) before returning. True when at least one matching interface is open.
    bool OpenMatchingDevices();
    void CloseAllInterfaces();

    // The current interface (0 when there is none).
    std::int32_t CurrentHidHandle() const;
    int CurrentProductId() const;
    int CurrentVendorId() const;
    // What the current interface stands in for a team module as, if it does.
    std::optional<HidDeviceInfo::StandIn> CurrentStandIn() const;
    int OpenInterfaceCount() const;
    // Makes the k-th open interface (0-based, opening order) current; its id, or -1.
    std::int32_t SelectOpenInterface(int k);
    // Makes the interface with this id current; false when no such interface is open.
    bool SelectInterface(std::int32_t id);

    // Variables. FindVariable searches the current interface; -1 when the usage is absent.
    int FindVariable(int usagePage, int usage, int reportType, bool exactReport);
    void SelectVariable(int index);
    int CurrentVariable() const { return currentVariable_; }
    bool AbsoluteNotRelative() const;
    bool ArrayNotVariable() const;
    bool BitsNotBuffer() const;
    bool HasNullState() const;
    bool Linear() const;
    std::int32_t LogicalMaximum() const;
    std::int32_t LogicalMinimum() const;
    bool NoPrefState() const;
    bool NoWrap() const;
    std::int32_t PhysicalMaximum() const;
    std::int32_t PhysicalMinimum() const;
    std::int32_t SizeInBits() const;
    QString StringDescriptor();
    bool Volatile() const;
    int VarScaleMode() const;
    void setVarScaleMode(int mode);

    bool IsButton(int index) const;
    int VariableReportIndex(int index) const;
    void NameVariable(int index, const QString& name);
    QString VariableName(int index) const;
    std::int32_t GetUnscaledValue(int index) const;
    void SetUnscaledValue(int index, std::int32_t value);
    std::int32_t GetScaledValue(int index) const;
    void SetScaledValue(int index, std::int32_t value);

    // Reports.
    void SelectReport(int index) { currentReport_ = index; }
    int CurrentRptNum() const { return currentReport_; }
    void setCurrentRptNum(int index) { currentReport_ = index; }
    bool ReadCurrentReport();
    bool WriteCurrentReport();

    // Arrival groups (see above), and whether any interface has reports no read took yet.
    void BeginArrivalGroup();
    void EndArrivalGroup() { arrivalLimit_.reset(); }
    bool ArrivalsWaiting();
    // Whether the interface of this report is still open: a failed read or write closes it
    // at once, while its InterfaceClosed comes from the event loop later.
    bool ReportOpen(int reportIndex) const;
    // Whether a read of this input report would take a pending report (not the latest).
    bool ReportPending(int reportIndex) const;
    // Whether a report of this input report came after the one the last read gave, in this
    // arrival group or a later one.
    bool ReportQueued(int reportIndex) const;
    // When the input report that the last read gave arrived, on the transport's clock.
    ArrivalTime ReportArrival(int reportIndex) const;
    // When the interface's reports began to come back to back (kBackToBack), up to and
    // including the one the last read gave: a queue in the module was draining until then.
    ArrivalTime ReportStreamStart(int reportIndex) const;
    // The same counting every report the interface sent: a status report answering a
    // command took a poll, and a report queued behind it waited for it.
    ArrivalTime ReportAnyKindStart(int reportIndex) const;
    // When the interface's latest report of those reads ask for arrived, read or not.
    std::optional<ArrivalTime> LatestArrival(int reportIndex) const;
    // When the interface's latest report of any kind arrived.
    std::optional<ArrivalTime> LastHeard(int reportIndex) const;
    ArrivalTime ArrivalClock() const { return transport_.now(); }
    // Takes every report that arrived and forgets those no read took; reads then give each
    // report's most recent state.
    void DiscardArrivals();

    // Diagnostics: why the last failing call failed, and reports dropped as malformed.
    QString lastError() const { return lastError_; }
    int droppedReportCount() const { return droppedReports_; }

  signals:
    void InterfaceClosed(int NumStillOpen, const QString& AName, std::int32_t AHidHandle);
    void DeviceArrived(int value, const QString& text);
    void DeviceRemoved(int value, const QString& text);
    void StatusMessage(const QString& text);
    void InterfaceOpened(int a, int b, int position, const QString& name);
    void ReportArrived(int RptIndexInIntf, int AllRptIndex);
    // Reports arrived that no read has taken yet; raised on the event loop, once for any
    // number of reports that came before it ran.
    void ReportsWaiting();

  private:
    AgentInterface* interfaceById(std::int32_t id) const;
    AgentInterface* interfaceOfReport(int index, int* local) const;
    AgentVariable* variable(int index) const;
    const AgentVariable* currentVar() const { return variable(currentVariable_); }
    bool openInterface(const HidDeviceInfo& info);
    void closeInterface(AgentInterface* intf, bool deferEvent);
    void drainPending(AgentInterface& intf);
    // Drains every interface; forget: and drops what no read took.
    void drainAll(bool forget);
    bool acceptReport(AgentInterface& intf, Bytes data, ArrivalTime arrival);
    void failInterface(AgentInterface& intf, const QString& what, bool deviceGone);
    bool isAttached(const std::string& path);
    // Closes the interfaces of devices that are no longer attached and raises their
    // removals; returns the paths known before this look.
    std::vector<std::string> noticeRemovals(const std::vector<HidDeviceInfo>& infos);
    void enumerationTick();
    std::uint16_t searchVendor() const;
    void log(const QString& line);

    HidTransport& transport_;
    ui::Timer enumerationTimer_;
    std::unique_ptr<LoopWake> wake_;  // outlives the interfaces, whose threads use it
    std::optional<ArrivalTime> arrivalLimit_;
    std::vector<std::unique_ptr<AgentInterface>> interfaces_;  // opening order
    std::vector<std::string> knownPaths_;
    std::vector<std::string> deniedPaths_;

    QString logFile_ = QStringLiteral("HidLog.txt");
    bool logging_ = false;
    int timeOutMs_ = 3000;
    bool verbose_ = false;
    bool showOperations_ = false;
    int vidToMatch_ = 0;
    int pidToMatch_ = 0;
    bool searchOnVid_ = false;
    bool searchOnPid_ = false;

    std::int32_t currentHandle_ = 0;
    int currentVariable_ = -1;
    int currentReport_ = -1;
    std::int32_t nextHandle_ = 1;
    int nextReportIndex_ = 0;
    int nextVariableIndex_ = 0;
    QString lastError_;
    int droppedReports_ = 0;
    bool enumerating_ = false;
};

}  // namespace modulelink
