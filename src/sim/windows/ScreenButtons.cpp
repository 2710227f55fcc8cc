#include "sim/windows/ScreenButtons.h"

namespace sim {

int playersShown(int model) {
    switch (model) {
        case 4097:
        case 901:
        case 2012:
            return 4;
        default:
            return 5;
    }
}

std::vector<Button> screenButtons(const VirtualModule& module) {
    std::vector<Button> buttons;
    if (module.kind() == ModuleKind::Rf) {
        for (int k = 1; k <= kRfTransmitters; ++k) {
            buttons.push_back({(k - 1) / 5 + 1, (k - 1) % 5 + 1});
        }
        return buttons;
    }
    for (int team : module.teams()) {
        for (int player = 1; player <= playersShown(module.model()); ++player) {
            buttons.push_back({team, player});
        }
    }
    return buttons;
}

int transmitterOf(const VirtualModule& module, Button button) {
    return module.kind() == ModuleKind::Rf ? (button.team - 1) * 5 + button.player : 0;
}

}  // namespace sim
