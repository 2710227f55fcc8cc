#pragma once

namespace modulelink::command {

// The commands a team module understands (written to Command1 of output report B).
inline constexpr int kLight = 0;  // the latched press's lamp; 1..5 light one player's lamp
inline constexpr int kTimerExpiredTone = 20;
inline constexpr int kClockExpiredTone = 21;
inline constexpr int kBuzzTone = 22;
inline constexpr int kStartUp = 123;
inline constexpr int kLock = 124;
inline constexpr int kArm = 125;
inline constexpr int kSoundOff = 127;
// RF interface: base codes plus a channel, a unit code or a power level.
inline constexpr int kChannelBase = 128;
inline constexpr int kOldCodeBase = 160;
inline constexpr int kNewCodeBase = 192;
inline constexpr int kPowerBase = 224;

}  // namespace modulelink::command
