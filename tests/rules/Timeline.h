#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rules {

// Under the address sanitizer a timeline runs some forty times slower: its tests run a fifth
// as many, to stay well inside their time limit.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kRunsDivisor = 5;
#else
inline constexpr int kRunsDivisor = 1;
#endif

enum class Board { Classic, Leader };
enum class Act { Press, Space, LeftClick, RightClick, Score, Unplug };

// One thing that happens: a button press on a module (its team slot 1..10 and player), or
// an operator action (at a whole millisecond).
struct Step {
    std::int64_t us = 0;
    Act act = Act::Space;
    int module = 0;  // 0-based, for presses and unplugs
    int team = 0;    // team slot 1..10
    int player = 0;  // 1..5
};

struct ModuleEntry {
    int model = 4097;
    int firstSlot = 1;          // the team slot served, or the first of a pair
    bool statusReport = false;  // a second input report after every command, read by no check
};

// A match of a few questions on one board, with the modules in opening order.
struct Timeline {
    std::uint32_t seed = 0;
    Board board = Board::Classic;
    bool secondPlace = false;
    std::vector<ModuleEntry> modules;
    std::vector<Step> steps;  // in time order
    std::int64_t endUs = 0;
};

// The team slots a module serves.
std::vector<int> servedSlots(const ModuleEntry& module);
// Every team slot some module serves, in increasing order: the leader board's rows.
std::vector<int> servedSlots(const Timeline& timeline);
Timeline randomTimeline(std::uint32_t seed);
std::string describe(const Timeline& timeline);

}  // namespace rules
