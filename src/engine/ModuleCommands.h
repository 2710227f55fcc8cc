#pragma once

namespace engine::command {

// Team-module commands that the engine sends.
inline constexpr int kLight = 0;  // responder's lamp; 1..5 light one player's lamp
inline constexpr int kTimerExpiredTone = 20;
inline constexpr int kClockExpiredTone = 21;
inline constexpr int kBuzzTone = 22;
inline constexpr int kLock = 124;
inline constexpr int kArm = 125;
inline constexpr int kSoundOff = 127;

}  // namespace engine::command
