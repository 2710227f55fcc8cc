#include "BenchConsole.h"

namespace bench {

BenchConsole::BenchConsole(ui::Clock& clock, int moduleCount) {
    std::vector<sim::ModuleSpec> specs;
    // Slots 1 to 7: a one-team module without identity bits (slot 8) is listed at start-up
    // but its reports are taken for noise and never buzz.
    for (int i = 0; i < moduleCount; ++i) {
        specs.push_back({4097, i % 7 + 1});
    }
    modules = std::make_unique<sim::VirtualModuleSet>(specs);
    agent = std::make_unique<modulelink::HidAgent>(modules->transport(), clock);
    link = std::make_unique<modulelink::ModuleLink>(*agent, state, platform, clock, *this);
    engine = std::make_unique<engine::BuzzEngine>(engine::classicBoardPolicy(), board, *link,
                                                  settings, state, clock, platform);
    settings.moduleSpeakersOn = false;
    settings.soundCardOn = false;
    link->Load();
    link->Activate();
    link->Command1_Click();
}

BenchConsole::~BenchConsole() = default;

}  // namespace bench
