#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace engine {

// One press decoded from a module report.
struct Press {
    int team = 0;    // team index 0..9
    int player = 0;  // player number 1..5
    // The code as buzz-in keeps it in responderCode: two-team codes inverted and reduced
    // to the chosen button, other codes as received.
    std::int16_t code = 0;
    // The code as received with only the chosen button pressed: replaying it decodes to the
    // same team and player without a new random pick.
    std::int16_t heldCode = 0;
};

// Decodes the press code of a report by interface model. Several buttons in one report
// resolve by `random` (a number in [0, 1)). Nothing when the report shows no press of
// any player: one-team team bits 000 or no button bit, RF code 0, unknown models.
std::optional<Press> decodePress(std::int32_t model, std::int16_t code, std::int16_t data4,
                                 const std::function<double()>& random);

}  // namespace engine
