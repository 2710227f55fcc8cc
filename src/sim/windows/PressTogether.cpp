#include "sim/windows/PressTogether.h"

#include <algorithm>

namespace sim {

void PressTogether::toggle(VirtualModule& module, Button button) {
    const auto same = [&](const Entry& e) { return e.module == &module && e.button == button; };
    const auto it = std::find_if(gathered_.begin(), gathered_.end(), same);
    if (it != gathered_.end()) {
        gathered_.erase(it);
    } else {
        gathered_.push_back({&module, button});
    }
}

std::vector<Button> PressTogether::of(const VirtualModule& module) const {
    std::vector<Button> buttons;
    for (const Entry& e : gathered_) {
        if (e.module == &module) {
            buttons.push_back(e.button);
        }
    }
    return buttons;
}

std::vector<VirtualModule*> PressTogether::pressAll() {
    std::vector<VirtualModule*> modules;
    for (const Entry& e : gathered_) {
        if (std::find(modules.begin(), modules.end(), e.module) == modules.end()) {
            modules.push_back(e.module);
        }
    }
    std::vector<VirtualModule*> latched;
    for (VirtualModule* module : modules) {
        if (module->press(of(*module))) {
            latched.push_back(module);
        }
    }
    gathered_.clear();
    return latched;
}

}  // namespace sim
