#pragma once

#include <utility>
#include <vector>

// The console's reading of a press code, written out independently of the virtual
// modules: every pressed button as (team index from 0, player 1..5).
namespace decode {

using Press = std::pair<int, int>;

inline int twoTeamBase(int data4) {
    switch (data4) {
        case 0:
            return 0;
        case 128:
            return 2;
        default:
            return 4;  // 64 and 192
    }
}

inline std::vector<Press> presses(int model, int data1, int data3, int data4) {
    std::vector<Press> out;
    if (model == 712 || model == 812) {
        out.push_back({(data1 - 1) / 5, (data1 - 1) % 5 + 1});
        return out;
    }
    if (model == 2012) {
        const int value = data1 ^ 255;
        const int base = twoTeamBase(data4);
        const Press table[8] = {{base, 1},     {base, 2},     {base, 3},     {base, 4},
                                {base + 1, 1}, {base + 1, 2}, {base + 1, 4}, {base + 1, 3}};
        for (int bit = 0; bit < 8; ++bit) {
            if (value & (1 << bit)) {
                out.push_back(table[bit]);
            }
        }
        return out;
    }
    if (model == 512) {
        const int code = data1 + 256 * ((data3 >> 6) & 1) + 512 * ((data3 >> 7) & 1);
        const int value = code ^ 1023;
        const int base = twoTeamBase(data4);
        const Press table[10] = {{base, 3},     {base, 4},     {base, 5},     {base + 1, 1},
                                 {base + 1, 2}, {base + 1, 3}, {base + 1, 5}, {base + 1, 4},
                                 {base, 1},     {base, 2}};
        for (int bit = 0; bit < 10; ++bit) {
            if (value & (1 << bit)) {
                out.push_back(table[bit]);
            }
        }
        return out;
    }
    // One-team models: identity bits give the team, low five bits the buttons (active low).
    const int s = data1 & 224;
    if (s == 0) {
        return out;
    }
    const int team = 7 - s / 32;
    const int buttons = (data1 ^ 31) & 31;
    const int players[5] = {5, 1, 2, 3, 4};
    for (int bit = 0; bit < 5; ++bit) {
        if (buttons & (1 << bit)) {
            out.push_back({team, players[bit]});
        }
    }
    return out;
}

}  // namespace decode
