#include "sim/VirtualModuleSet.h"

namespace sim {

VirtualModuleSet::CreateResult VirtualModuleSet::create(const QString& list,
                                                        modulelink::SimTransport::Stamp stamp) {
    const ModuleListResult parsed = parseModuleList(list);
    if (!parsed.ok) {
        return {nullptr, parsed.error};
    }
    return {std::make_unique<VirtualModuleSet>(parsed.modules, std::move(stamp)), {}};
}

VirtualModuleSet::VirtualModuleSet(const std::vector<ModuleSpec>& specs,
                                   modulelink::SimTransport::Stamp stamp)
    : transport_(std::move(stamp)) {
    for (const ModuleSpec& entry : specs) {
        add(entry);
    }
}

// The transport is declared last, so it goes first and no connection outlives a module.
VirtualModuleSet::~VirtualModuleSet() = default;

VirtualModule& VirtualModuleSet::add(const ModuleSpec& entry) {
    const std::string path = "sim:" + std::to_string(nextNumber_++);
    modules_.push_back(
        std::make_unique<VirtualModule>(entry.model, entry.firstSlot, path, entry.statusReport));
    transport_.addDevice(*modules_.back());
    return *modules_.back();
}

}  // namespace sim
