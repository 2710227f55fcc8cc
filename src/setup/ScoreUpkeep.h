#pragma once

#include <array>
#include <memory>

#include "boards/Board.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "setup/MenuHost.h"
#include "ui/Platform.h"
#include "ui/TextBox.h"

namespace setup {

// "&Erase Scores": after the operator confirms, every score holder reads "0": the scores
// of the boards and the set-up menu's mirror. Names, timers and options stay.
void eraseScores(ui::Platform& platform, MenuHost& host, boards::SetupMenuLink& menu);
// The same without asking (a new match).
void eraseAllScores(MenuHost& host, boards::SetupMenuLink& menu);

// "&Swap Sides": every served team slot takes the names and mirrored score of the next
// served slot, and the last served slot those of the first; two teams change places.
// Unserved slots keep theirs. The RF interface serves slots 1 and 2 only.
void swapSides(const model::MatchState& state,
               const std::array<std::unique_ptr<ui::TextBox>, model::kRosterSize>& Text,
               boards::SetupMenuLink& menu);

}  // namespace setup
