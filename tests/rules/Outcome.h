#pragma once

#include <string>
#include <vector>

namespace rules {

// What the operator sees just before an operator action (and at the end).
struct Sight {
    std::string name;    // NameLabel
    std::string team;    // Labelteam
    std::string rows;    // one letter per row mark: . plain, O orange, Y yellow, R red
    std::string scores;  // one letter per row score: . plain, G green
    bool secondWaiting = false;
    bool operator==(const Sight&) const = default;
};

// What a run gave: sightings in order and the commands each module received before any
// unplugging, in order.
struct Outcome {
    std::vector<Sight> sights;
    std::vector<std::vector<int>> commands;
    int rescueSaves = 0;
    bool ended = false;
    bool operator==(const Outcome&) const = default;
};

std::string describe(const Outcome& outcome);
// Where two outcomes part, a line each: the first sighting that differs, and for each
// module its first command that differs, after the commands the two have in common.
std::string firstDifferences(const Outcome& console, const Outcome& rules);

}  // namespace rules
