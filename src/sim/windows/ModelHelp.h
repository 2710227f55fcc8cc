#pragma once

#include <QString>

namespace sim {

// The --help text about simulated modules: the module list, the models and the keys of
// the "Virtual Team Modules" window.
QString modelHelpText();

}  // namespace sim
