#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "modulelink/SimTransport.h"
#include "sim/ModuleList.h"
#include "sim/VirtualModule.h"

namespace sim {

// The virtual modules of one simulated run and the transport that reaches them:
//   auto set = sim::VirtualModuleSet::create("2012:1-2,2012:3-4");
//   modulelink::HidAgent agent(set.modules->transport(), clock);
class VirtualModuleSet {
  public:
    struct CreateResult {
        std::unique_ptr<VirtualModuleSet> modules;  // null when the list is bad
        QString error;
    };
    static CreateResult create(const QString& list = QString::fromLatin1(kDefaultModuleList),
                               modulelink::SimTransport::Stamp stamp = modulelink::arrivalNow);

    // stamp: the arrival time of each report the modules send (the steady clock unless a
    // test sets the time itself).
    explicit VirtualModuleSet(const std::vector<ModuleSpec>& specs,
                              modulelink::SimTransport::Stamp stamp = modulelink::arrivalNow);
    ~VirtualModuleSet();

    modulelink::SimTransport& transport() { return transport_; }
    int size() const { return static_cast<int>(modules_.size()); }
    VirtualModule& module(int i) { return *modules_.at(static_cast<std::size_t>(i)); }
    // Adds one more module (plugged in), e.g. for a module attached during a run.
    VirtualModule& add(const ModuleSpec& entry);

  private:
    std::vector<std::unique_ptr<VirtualModule>> modules_;
    modulelink::SimTransport transport_;
    int nextNumber_ = 1;
};

}  // namespace sim
