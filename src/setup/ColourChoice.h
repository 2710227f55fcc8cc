#pragma once

#include "ui/Color.h"
#include "ui/Platform.h"

namespace setup {

// The colour dialog for one board colour, starting from the colour it has now. True when
// the operator chose a colour (now in `colour`); a cancelled dialog keeps the colour.
bool chooseColour(ui::Platform& platform, ui::Color& colour);

}  // namespace setup
