#pragma once

#include <vector>

#include "sim/VirtualModule.h"

namespace sim {

// Buttons gathered to be pressed together: each module then gets its own gathered
// buttons as one press, as if they were held in the same scan.
class PressTogether {
  public:
    // Adds the button, or takes it out when it was already gathered.
    void toggle(VirtualModule& module, Button button);
    bool empty() const { return gathered_.empty(); }
    // The gathered buttons of one module.
    std::vector<Button> of(const VirtualModule& module) const;
    // Presses every module's gathered buttons and forgets them; the modules that latched.
    std::vector<VirtualModule*> pressAll();
    void clear() { gathered_.clear(); }

  private:
    struct Entry {
        VirtualModule* module;
        Button button;
    };
    std::vector<Entry> gathered_;
};

}  // namespace sim
