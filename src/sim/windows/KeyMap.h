#pragma once

#include <QString>
#include <optional>

#include "sim/ModuleModel.h"

namespace sim {

// The keyboard of the virtual modules window: ten teams of five players.
//   teams 1 and 2:  1 2 3 4 5 | 6 7 8 9 0
//   teams 3 and 4:  Q W E R T | Y U I O P
//   teams 5 and 6:  A S D F G | H J K L ;
//   teams 7 and 8:  Z X C V B | N M , . /
//   teams 9 and 10: F1 .. F5  | F6 .. F10
// Players 1..5 run left to right. RF transmitter k is team (k-1)/5+1, player (k-1)%5+1,
// so transmitters 1..32 run along the same rows.
namespace keymap {

inline constexpr int kTeams = 10;
inline constexpr int kPlayers = 5;

// The button a Qt key code presses, if any.
std::optional<Button> buttonForKey(int qtKey);
// The Qt key code of a button (0 when it has none).
int keyForButton(Button button);
// The key's name as shown on the button: "Q", ";", "F7".
QString keyLabel(Button button);
// The mapping written out, one line per pair of teams.
QString legend();

}  // namespace keymap

}  // namespace sim
