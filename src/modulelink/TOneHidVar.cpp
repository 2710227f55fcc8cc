#include "modulelink/TOneHidVar.h"

#include "modulelink/HidAgent.h"
#include "modulelink/HidObjectError.h"

namespace modulelink {

namespace {

// Runs a member's body; any error inside becomes the standard error naming the member.
template <typename F>
auto guarded(const char* source, F&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        throw HidObjectError(QString::fromLatin1(source));
    }
}

}  // namespace

TOneHidVar::TOneHidVar(std::int32_t& classDebugCounter) : classDebugId_(++classDebugCounter) {}

void TOneHidVar::DoCreate(int reportType, std::int32_t usagePage, std::int32_t usage,
                          const QString& name) {
    rptType_ = static_cast<std::int16_t>(reportType);
    usagePage_ = usagePage;
    usage_ = usage;
    varName_ = name;
}

bool TOneHidVar::Bind(HidAgent& agent) {
    return guarded("OneHidVar:Bind Method", [&] {
        agent_ = &agent;
        varIndex_ = agent.FindVariable(usagePage_, usage_, rptType_, false);
        if (varIndex_ < 0) {
            return false;
        }
        agent.SelectVariable(varIndex_);
        hidHandle_ = agent.CurrentHidHandle();
        rptIndex_ = agent.VariableReportIndex(varIndex_);
        copyDescriptorData(agent);
        agent.NameVariable(varIndex_, varName_);
        agent.setVarScaleMode(1);
        return true;
    });
}

void TOneHidVar::copyDescriptorData(HidAgent& agent) {
    absoluteNotRelative_ = agent.AbsoluteNotRelative();
    arrayNotVariable_ = agent.ArrayNotVariable();
    bitsNotBuffer_ = agent.BitsNotBuffer();
    hasNullState_ = agent.HasNullState();
    isButton_ = agent.IsButton(varIndex_);
    linear_ = agent.Linear();
    logicalMaximum_ = agent.LogicalMaximum();
    logicalMinimum_ = agent.LogicalMinimum();
    noPrefState_ = agent.NoPrefState();
    noWrap_ = agent.NoWrap();
    physicalMaximum_ = agent.PhysicalMaximum();
    physicalMinimum_ = agent.PhysicalMinimum();
    sizeInBits_ = agent.SizeInBits();
    stringDescriptor_ = agent.StringDescriptor();
    volatile_ = agent.Volatile();
}

void TOneHidVar::UnBind() {
    guarded("OneHidVar:UnBind Method", [&] {
        varIndex_ = -1;
        rptIndex_ = -1;
        logicalMaximum_ = logicalMinimum_ = physicalMaximum_ = physicalMinimum_ = 0;
        varName_.clear();
        stringDescriptor_.clear();
    });
}

bool TOneHidVar::IsBound() const {
    return guarded("OneHidVar:IsBound Method", [&] { return varIndex_ >= 0; });
}

bool TOneHidVar::Update(bool DataIn) {
    return guarded("OneHidVar:Update Method", [&] {
        if (rptIndex_ < 0 || !agent_) {
            return false;
        }
        agent_->setCurrentRptNum(rptIndex_);
        switch (rptType_) {
            case 0:
                return agent_->ReadCurrentReport();
            case 1:
                return agent_->WriteCurrentReport();
            case 2:
                return DataIn ? agent_->ReadCurrentReport() : agent_->WriteCurrentReport();
            default:
                return false;
        }
    });
}

int TOneHidVar::ScaleMode() const {
    if (varIndex_ < 0 || !agent_) {
        return 1;
    }
    agent_->SelectVariable(varIndex_);
    return agent_->VarScaleMode();
}

void TOneHidVar::setScaleMode(int mode) {
    if (varIndex_ < 0 || !agent_) {
        return;
    }
    agent_->SelectVariable(varIndex_);
    agent_->setVarScaleMode(mode);
}

std::int32_t TOneHidVar::UnScaledValue() const {
    return varIndex_ >= 0 && agent_ ? agent_->GetUnscaledValue(varIndex_) : 0;
}

void TOneHidVar::setUnScaledValue(std::int32_t value) {
    if (varIndex_ >= 0 && agent_) {
        agent_->SetUnscaledValue(varIndex_, value);
    }
}

std::int32_t TOneHidVar::ScaledValue() const {
    return guarded("OneHidVar:ScaledValue Property Get", [&] {
        return varIndex_ >= 0 && agent_ ? agent_->GetScaledValue(varIndex_) : 0;
    });
}

void TOneHidVar::setScaledValue(std::int32_t value) {
    guarded("OneHidVar:ScaledValue Property Let", [&] {
        if (varIndex_ >= 0 && agent_) {
            agent_->SetScaledValue(varIndex_, value);
        }
    });
}

std::int16_t TOneHidVar::SizeInBits() const {
    return guarded("OneHidVar:SizeInBits Method",
                   [&] { return static_cast<std::int16_t>(sizeInBits_); });
}

bool TOneHidVar::IsButton() const {
    return guarded("OneHidVar:IsButton Method", [&] { return isButton_; });
}
bool TOneHidVar::Volatile() const {
    return guarded("OneHidVar:Volatile Method", [&] { return volatile_; });
}
bool TOneHidVar::NoWrap() const {
    return guarded("OneHidVar:NoWrap Method", [&] { return noWrap_; });
}
bool TOneHidVar::NoPrefState() const {
    return guarded("OneHidVar:NoPrefState Method", [&] { return noPrefState_; });
}
bool TOneHidVar::Linear() const {
    return guarded("OneHidVar:Linear Method", [&] { return linear_; });
}
bool TOneHidVar::HasNullState() const {
    return guarded("OneHidVar:HasNullState Method", [&] { return hasNullState_; });
}
bool TOneHidVar::BitsNotBuffer() const {
    return guarded("OneHidVar:BitsNotBuffer Method", [&] { return bitsNotBuffer_; });
}
bool TOneHidVar::ArrayNotVariable() const {
    return guarded("OneHidVar:ArrayNotVariable Method", [&] { return arrayNotVariable_; });
}
bool TOneHidVar::AbsoluteNotRelative() const {
    return guarded("OneHidVar:AbsoluteNotRelative Method", [&] { return absoluteNotRelative_; });
}

}  // namespace modulelink
