#pragma once

#include "model/MatchSettings.h"
#include "sim/ModuleModel.h"
#include "ui/Platform.h"

namespace foreign {

// A tone a module would sound, played on the PC's sound card instead: the buzz, timer or
// clock sound the operator chose.
void playOnPc(sim::Tone tone, const model::MatchSettings& settings, ui::Platform& platform);

}  // namespace foreign
