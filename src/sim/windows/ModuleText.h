#pragma once

#include <QString>

#include "sim/VirtualModule.h"

namespace sim {

// The words the virtual modules window uses for a module's identity and state.

// "model 2012 · teams 1-2 · identity bits 0xE0 · address 0 · sim:1".
QString identityText(const VirtualModule& module);
// "ARMED · tone: buzz · latched: team 1 player 3", "LOCKED", "UNPLUGGED".
QString stateText(const VirtualModule& module);
QString toneName(Tone tone);
// "team 3 player 2", or "transmitter 12" on an RF module.
QString contestantName(const VirtualModule& module, Button button);
// An RF transmitter's settings on two lines, "code 12 · ch 0" and "power 5", the second
// marked " · prog" in programming mode and " · R" once a change was taken.
QString transmitterText(const VirtualModule& module, int k);
QString transmitterText(const VirtualModule::Transmitter& transmitter);

}  // namespace sim
