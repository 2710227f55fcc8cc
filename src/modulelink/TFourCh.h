#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "modulelink/ArmEcho.h"
#include "modulelink/HidTransport.h"
#include "modulelink/TOneHidVar.h"

namespace modulelink {

class HidAgent;

// The program's object for one open team-module interface: Data1..Data4 (usage page 1,
// usages 0x30..0x33) in input report A and Command1 (usage 0x3E) in output report B.
class TFourCh {
  public:
    static constexpr std::int32_t kTeamModuleVendorId = 6561;
    using VarPtr = std::shared_ptr<TOneHidVar>;

    // Creates the five variables, then takes its own debug number from the same counter.
    explicit TFourCh(std::int32_t& classDebugCounter);

    // -1 when the interface opened last is not a team module, else the unbound count.
    std::int32_t BindVars(HidAgent& agent);
    // Re-binds every variable within the agent's current interface; the unbound count.
    std::int32_t ReBind(HidAgent& agent);
    void HidClosed(QObject* Sender, int NumStillOpen, const QString& AName,
                   std::int32_t AHidHandle);
    void HidRptArrived(QObject* /*Sender*/, int /*RptIndexInIntf*/, int /*AllRptIndex*/) {}
    void BindEvents() {}
    void Shutdown() { active_ = false; }
    bool ReadInputRptA();
    bool WriteOutputRptB();
    bool ReadAllReports() { return ReadInputRptA(); }
    bool WriteAllReports() { return WriteOutputRptB(); }
    std::int32_t UnboundVarCount() const;
    std::int32_t VariableCount() const { return static_cast<std::int32_t>(varArray_.size()); }
    bool IsAllUnbound() const { return UnboundVarCount() == VariableCount(); }
    bool HasHandle(std::int32_t handle) const;
    void UnBindRpt(TOneHidVar& var);

    // The variables by name; an emptied field gets a fresh unbound variable on reading.
    TOneHidVar& Data1();
    TOneHidVar& Data2();
    TOneHidVar& Data3();
    TOneHidVar& Data4();
    TOneHidVar& Command1();
    void setData1(VarPtr var);
    void setData2(VarPtr var);
    void setData3(VarPtr var);
    void setData4(VarPtr var);
    void setCommand1(VarPtr var);

    std::int32_t ClassDebugID() const { return classDebugId_; }
    bool isActive() const { return active_; }
    std::int32_t inputReportIndexA() const { return inputReportIndexA_; }
    std::int32_t outputReportIndexB() const { return outputReportIndexB_; }
    const std::array<VarPtr, 5>& VarArray() const { return varArray_; }

    // Reports of input report A that arrived up to this time (transport clock) show what the
    // console has dealt with: the module's state read before its last arm or reset, or a
    // press already taken. Only a later report shows a press of now.
    ArrivalTime staleUpTo{0};
    // Presses reported just after the operator's arm that may come from before it.
    ArmEcho armEcho;
    // The module's own model number (901 taken as 4097), set when its interface opened.
    std::int32_t modelNumber = 0;

  private:
    enum Slot { kData1, kData2, kData3, kData4, kCommand1 };
    bool DeviceIsMatched();
    std::int32_t BindAllVars();
    void RecordReportIndexes();
    TOneHidVar& field(Slot slot);
    void setField(Slot slot, VarPtr var);
    static VarPtr makeVar(std::int32_t& counter, int type, int usage, const char* name);

    std::int32_t& counter_;
    std::int32_t classDebugId_ = 0;
    bool active_ = false;
    HidAgent* agent_ = nullptr;
    std::array<VarPtr, 5> varArray_;
    std::array<VarPtr, 5> named_;  // Data1..Command1 by name
    std::int32_t inputReportIndexA_ = -1;
    std::int32_t outputReportIndexB_ = -1;
};

}  // namespace modulelink
