#pragma once

#include <QStringList>

#include "sim/VirtualModuleSet.h"

namespace sim {

// The modules that can still be added to a set without serving a team twice, written as
// module list entries: "4097:5", "2012:5-6", "712". RF modules serve teams 1-4.
QStringList addableModules(VirtualModuleSet& set);

}  // namespace sim
