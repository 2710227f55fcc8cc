#include "BenchConsole.h"

namespace bench {

std::vector<sim::ModuleSpec> tenModuleSpecs(int moduleCount) {
    std::vector<sim::ModuleSpec> specs;
    for (int i = 0; i < moduleCount; ++i) {
        specs.push_back({4097, i % 8 + 1});
    }
    return specs;
}

BenchConsole::BenchConsole(ui::Clock& clock, int moduleCount, const engine::BoardPolicy& policy,
                           const TransportOver& over) {
    modules = std::make_unique<sim::VirtualModuleSet>(tenModuleSpecs(moduleCount));
    agent =
        std::make_unique<modulelink::HidAgent>(over ? over(*modules) : modules->transport(), clock);
    link = std::make_unique<modulelink::ModuleLink>(*agent, state, platform, clock, *this);
    engine = std::make_unique<engine::BuzzEngine>(policy, board, *link, settings, state, clock,
                                                  platform);
    settings.moduleSpeakersOn = false;
    settings.soundCardOn = false;
    link->Load();
    link->Activate();
    link->Command1_Click();
}

BenchConsole::~BenchConsole() = default;

}  // namespace bench
