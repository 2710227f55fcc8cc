#pragma once

#include <vector>

#include "boards/BoardWindow.h"
#include "model/MatchSettings.h"
#include "model/MatchState.h"
#include "web/AudienceState.h"

namespace app {

// What `board` shows, as the audience pages draw it: rows in the board's order with their
// marks, the responder, the held second responder (the yellow row while one is held), the
// timer and the clock, in the board's colours. The buzz log is the feed's to add.
web::AudienceState boardSnapshot(boards::BoardWindow& board, model::BoardChoice choice,
                                 const model::MatchSettings& settings,
                                 const model::MatchState& state);

// The controls whose captions and colours the picture is made of: when one of them
// changes, the picture may have.
std::vector<const ui::Control*> shownControls(const boards::BoardWindow& board);

// A colour as a web page writes it ("#rrggbb"); a system colour by its usual look.
QString webColor(ui::Color color);

}  // namespace app
