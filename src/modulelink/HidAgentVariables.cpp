#include "modulelink/HidAgent.h"

#include "modulelink/AgentInterface.h"

// The variables of the selected interface: found by usage, their properties and values.
namespace modulelink {

int HidAgent::FindVariable(int usagePage, int usage, int reportType, bool /*exactReport*/) {
    const AgentInterface* intf = interfaceById(currentHandle_);
    if (!intf) {
        return -1;
    }
    const auto wanted = (static_cast<std::uint32_t>(usagePage & 0xFFFF) << 16) |
                        static_cast<std::uint32_t>(usage & 0xFFFF);
    for (const AgentVariable& v : intf->variables) {
        if (v.usage == wanted && static_cast<int>(v.reportType) == reportType) {
            return v.index;
        }
    }
    return -1;
}

void HidAgent::SelectVariable(int index) {
    currentVariable_ = index;
}

bool HidAgent::AbsoluteNotRelative() const {
    const AgentVariable* v = currentVar();
    return v && !(v->flags & HidFieldFlag::Relative);
}
bool HidAgent::ArrayNotVariable() const {
    const AgentVariable* v = currentVar();
    return v && v->arrayUsage;
}
bool HidAgent::BitsNotBuffer() const {
    const AgentVariable* v = currentVar();
    return v && !(v->flags & HidFieldFlag::BufferedBytes);
}
bool HidAgent::HasNullState() const {
    const AgentVariable* v = currentVar();
    return v && (v->flags & HidFieldFlag::NullState);
}
bool HidAgent::Linear() const {
    const AgentVariable* v = currentVar();
    return v && !(v->flags & HidFieldFlag::NonLinear);
}
bool HidAgent::NoPrefState() const {
    const AgentVariable* v = currentVar();
    return v && (v->flags & HidFieldFlag::NoPreferred);
}
bool HidAgent::NoWrap() const {
    const AgentVariable* v = currentVar();
    return v && !(v->flags & HidFieldFlag::Wrap);
}
bool HidAgent::Volatile() const {
    const AgentVariable* v = currentVar();
    return v && (v->flags & HidFieldFlag::Volatile);
}
std::int32_t HidAgent::LogicalMaximum() const {
    const AgentVariable* v = currentVar();
    return v ? v->logicalMaximum : 0;
}
std::int32_t HidAgent::LogicalMinimum() const {
    const AgentVariable* v = currentVar();
    return v ? v->logicalMinimum : 0;
}
std::int32_t HidAgent::PhysicalMaximum() const {
    const AgentVariable* v = currentVar();
    return v ? v->physicalMaximum : 0;
}
std::int32_t HidAgent::PhysicalMinimum() const {
    const AgentVariable* v = currentVar();
    return v ? v->physicalMinimum : 0;
}
std::int32_t HidAgent::SizeInBits() const {
    const AgentVariable* v = currentVar();
    return v ? static_cast<std::int32_t>(v->bitSize) : 0;
}

QString HidAgent::StringDescriptor() {
    const AgentVariable* v = currentVar();
    if (!v || v->stringIndex == 0) {
        return {};
    }
    for (const auto& intf : interfaces_) {
        if (v >= intf->variables.data() && v < intf->variables.data() + intf->variables.size()) {
            return intf->connection->indexedString(static_cast<int>(v->stringIndex));
        }
    }
    return {};
}

int HidAgent::VarScaleMode() const {
    const AgentVariable* v = currentVar();
    return v ? v->scaleMode : 0;
}

void HidAgent::setVarScaleMode(int mode) {
    if (AgentVariable* v = variable(currentVariable_)) {
        v->scaleMode = mode;
    }
}

bool HidAgent::IsButton(int index) const {
    const AgentVariable* v = variable(index);
    return v && v->isButton();
}

int HidAgent::VariableReportIndex(int index) const {
    const AgentVariable* v = variable(index);
    return v ? v->reportIndex : -1;
}

void HidAgent::NameVariable(int index, const QString& name) {
    if (AgentVariable* v = variable(index)) {
        v->name = name;
    }
}

QString HidAgent::VariableName(int index) const {
    const AgentVariable* v = variable(index);
    return v ? v->name : QString();
}

std::int32_t HidAgent::GetUnscaledValue(int index) const {
    const AgentVariable* v = variable(index);
    return v ? v->value : 0;
}

void HidAgent::SetUnscaledValue(int index, std::int32_t value) {
    if (AgentVariable* v = variable(index)) {
        v->value = value;
    }
}

std::int32_t HidAgent::GetScaledValue(int index) const {
    const AgentVariable* v = variable(index);
    return v ? v->scaled() : 0;
}

void HidAgent::SetScaledValue(int index, std::int32_t value) {
    if (AgentVariable* v = variable(index)) {
        v->setScaled(value);
    }
}

}  // namespace modulelink
