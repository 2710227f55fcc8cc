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
    // Another maker's button is held down this long (a module's press is one scan).
    std::int64_t holdUs = 0;
};

// Another maker's buzzer, standing in for one-team modules: a Buzz! dongle of one team
// (handsets 1..4 are its players), one handset of a Buzz! dongle of four teams (player 1),
// a game controller (buttons 1..5 are its players).
enum class Foreign { None, Buzz, BuzzHandset, GameController };

struct ModuleEntry {
    int model = 4097;
    int firstSlot = 1;          // the team slot served, or the first of a pair
    bool statusReport = false;  // a second input report after every command, read by no check
    Foreign foreign = Foreign::None;
    int device = 0;   // foreign: which of the foreign devices, in the order they are attached
    int handset = 0;  // a Buzz! handset's team: its handset 0..3
};

// Players of a module's team (the same for each team of a pair).
int playersOf(const ModuleEntry& module);
// The foreign device's button (1-based) a player of the entry presses.
int buttonOf(const ModuleEntry& module, int player);
// The team slots the console gives foreign teams: after the modules, in opening order, the
// first slot no module serves among 1..8 (8 when all are served).
void giveForeignSlots(std::vector<ModuleEntry>& modules);

// A match of a few questions on one board, with the modules in opening order.
struct Timeline {
    std::uint32_t seed = 0;
    Board board = Board::Classic;
    bool secondPlace = false;
    std::vector<ModuleEntry> modules;  // Quorvantix modules first, then foreign teams
    std::vector<Step> steps;           // in time order
    std::int64_t endUs = 0;
};

// The team slots a module serves.
std::vector<int> servedSlots(const ModuleEntry& module);
// Every team slot some module serves, in increasing order: the leader board's rows.
std::vector<int> servedSlots(const Timeline& timeline);
// aroundArms adds presses from just before to just after the operator's arms, and now and
// then a second arm soon after.
Timeline randomTimeline(std::uint32_t seed, bool aroundArms = false);
std::string describe(const Timeline& timeline);

}  // namespace rules
