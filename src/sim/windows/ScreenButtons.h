#pragma once

#include <vector>

#include "sim/VirtualModule.h"

namespace sim {

// The contestant buttons the window offers for a module: each served team's players
// (five on 272, 512 and RF models, four on 4097, 901 and 2012), or an RF module's
// transmitters 1..32 as the buttons the module takes for them.
int playersShown(int model);
std::vector<Button> screenButtons(const VirtualModule& module);
// RF: transmitter 1..32 of a button, 0 for a wired module.
int transmitterOf(const VirtualModule& module, Button button);

}  // namespace sim
