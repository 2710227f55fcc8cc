#include "modulelink/TFourCh.h"

#include "modulelink/HidAgent.h"
#include "modulelink/HidObjectError.h"

namespace modulelink {

namespace {

constexpr int kUsagePageGenericDesktop = 1;
constexpr const char* kNames[] = {"Data1", "Data2", "Data3", "Data4", "Command1"};
constexpr int kTypes[] = {0, 0, 0, 0, 1};
constexpr int kUsages[] = {0x30, 0x31, 0x32, 0x33, 0x3E};

}  // namespace

TFourCh::VarPtr TFourCh::makeVar(std::int32_t& counter, int type, int usage, const char* name) {
    auto var = std::make_shared<TOneHidVar>(counter);
    var->DoCreate(type, kUsagePageGenericDesktop, usage, QString::fromLatin1(name));
    return var;
}

TFourCh::TFourCh(std::int32_t& classDebugCounter) : counter_(classDebugCounter) {
    for (int slot = kData1; slot <= kCommand1; ++slot) {
        varArray_[slot] = makeVar(counter_, kTypes[slot], kUsages[slot], kNames[slot]);
        named_[slot] = varArray_[slot];
    }
    classDebugId_ = ++counter_;
}

std::int32_t TFourCh::BindVars(HidAgent& agent) {
    active_ = true;
    agent_ = &agent;
    agent.SelectOpenInterface(agent.OpenInterfaceCount() - 1);
    if (!DeviceIsMatched()) {
        return -1;
    }
    const std::int32_t unbound = BindAllVars();
    RecordReportIndexes();
    return unbound;
}

bool TFourCh::DeviceIsMatched() {
    try {
        return agent_->CurrentVendorId() == kTeamModuleVendorId;
    } catch (...) {
        throw HidObjectError(QStringLiteral("TFourCh:DeviceIsMatched Method"));
    }
}

std::int32_t TFourCh::BindAllVars() {
    std::int32_t count = VariableCount();
    for (const VarPtr& var : varArray_) {
        if (var->IsBound() || var->Bind(*agent_)) {
            --count;
        }
    }
    return count;
}

void TFourCh::RecordReportIndexes() {
    if (varArray_[kData1]->RptIndex() >= 0) {
        inputReportIndexA_ = varArray_[kData1]->RptIndex();
    }
    if (varArray_[kCommand1]->RptIndex() >= 0) {
        outputReportIndexB_ = varArray_[kCommand1]->RptIndex();
    }
}

std::int32_t TFourCh::ReBind(HidAgent& agent) {
    agent_ = &agent;
    for (const VarPtr& var : varArray_) {
        UnBindRpt(*var);
        var->UnBind();
    }
    const std::int32_t unbound = BindAllVars();
    RecordReportIndexes();
    BindEvents();
    return unbound;
}

void TFourCh::HidClosed(QObject* /*Sender*/, int /*NumStillOpen*/, const QString& /*AName*/,
                        std::int32_t AHidHandle) {
    for (const VarPtr& var : varArray_) {
        if (var->HidHandle() == AHidHandle) {
            UnBindRpt(*var);
            var->UnBind();
        }
    }
}

void TFourCh::UnBindRpt(TOneHidVar& var) {
    if (var.RptType() == 0 && var.RptIndex() == inputReportIndexA_) {
        inputReportIndexA_ = -1;
    }
    if (var.RptType() == 1 && var.RptIndex() == outputReportIndexB_) {
        outputReportIndexB_ = -1;
    }
}

bool TFourCh::ReadInputRptA() {
    if (inputReportIndexA_ < 0 || !agent_) {
        return false;
    }
    agent_->SelectReport(inputReportIndexA_);
    return agent_->ReadCurrentReport();
}

bool TFourCh::WriteOutputRptB() {
    if (outputReportIndexB_ < 0 || !agent_) {
        return false;
    }
    agent_->SelectReport(outputReportIndexB_);
    return agent_->WriteCurrentReport();
}

std::int32_t TFourCh::UnboundVarCount() const {
    std::int32_t count = 0;
    for (const VarPtr& var : varArray_) {
        if (!var->IsBound()) {
            ++count;
        }
    }
    return count;
}

bool TFourCh::HasHandle(std::int32_t handle) const {
    for (const VarPtr& var : varArray_) {
        if (var->HidHandle() == handle) {
            return true;
        }
    }
    return false;
}

TOneHidVar& TFourCh::field(Slot slot) {
    try {
        if (!named_[slot]) {
            named_[slot] = std::make_shared<TOneHidVar>(counter_);
        }
        return *named_[slot];
    } catch (...) {
        throw HidObjectError(QStringLiteral("TFourCh:%1 Property Get").arg(kNames[slot]));
    }
}

void TFourCh::setField(Slot slot, VarPtr var) {
    try {
        named_[slot] = std::move(var);
    } catch (...) {
        throw HidObjectError(QStringLiteral("TFourCh:%1 Property Let").arg(kNames[slot]));
    }
}

TOneHidVar& TFourCh::Data1() {
    return field(kData1);
}
TOneHidVar& TFourCh::Data2() {
    return field(kData2);
}
TOneHidVar& TFourCh::Data3() {
    return field(kData3);
}
TOneHidVar& TFourCh::Data4() {
    return field(kData4);
}
TOneHidVar& TFourCh::Command1() {
    return field(kCommand1);
}
void TFourCh::setData1(VarPtr var) {
    setField(kData1, std::move(var));
}
void TFourCh::setData2(VarPtr var) {
    setField(kData2, std::move(var));
}
void TFourCh::setData3(VarPtr var) {
    setField(kData3, std::move(var));
}
void TFourCh::setData4(VarPtr var) {
    setField(kData4, std::move(var));
}
void TFourCh::setCommand1(VarPtr var) {
    setField(kCommand1, std::move(var));
}

}  // namespace modulelink
