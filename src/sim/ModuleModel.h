#pragma once

#include <QString>

namespace sim {

// What a team module model is, as its firmware behaves.
enum class ModuleKind { OneTeam, TwoTeam, Rf };

inline constexpr int kTeamModuleVendorId = 6561;
inline constexpr int kRfTransmitters = 32;

// One button: team slot (1-based, as the operator numbers teams) and player 1..5.
struct Button {
    int team = 0;
    int player = 0;
    bool operator==(const Button&) const = default;
};

enum class Tone { Off, Buzz, TimerExpired, ClockExpired };

bool isKnownModel(int model);
ModuleKind kindOfModel(int model);

}  // namespace sim
