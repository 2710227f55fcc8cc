#include "engine/PressDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace engine {

namespace {

struct Seat {
    int teamOffset;
    int player;
};

// Two-team interfaces: the team base by the interface address; 192 serves the same teams
// as 64.
int teamBase(std::int16_t data4) {
    switch (data4) {
        case 128:
            return 2;
        case 64:
        case 192:
            return 4;
        default:
            return 0;
    }
}

// The seat of each inverted code bit, lowest bit first.
constexpr std::array<Seat, 8> k2012Seats{
    {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 1}, {1, 2}, {1, 4}, {1, 3}}};
constexpr std::array<Seat, 10> k512Seats{
    {{0, 3}, {0, 4}, {0, 5}, {1, 1}, {1, 2}, {1, 3}, {1, 5}, {1, 4}, {0, 1}, {0, 2}}};

int pick(int count, const std::function<double()>& random) {
    const int i = static_cast<int>(random() * count);
    return std::clamp(i, 0, count - 1);
}

template <std::size_t N>
std::optional<Press> decodeTwoTeam(const std::array<Seat, N>& seats, std::int16_t code,
                                   std::int16_t data4, const std::function<double()>& random) {
    constexpr int mask = (1 << N) - 1;
    const int pressed = (code ^ mask) & mask;  // a pressed button reads 0
    if (pressed == 0) {
        return std::nullopt;
    }
    std::vector<int> bits;
    for (int b = 0; b < static_cast<int>(N); ++b) {
        if (pressed & (1 << b)) {
            bits.push_back(b);
        }
    }
    const int bit =
        bits.size() == 1 ? bits.front() : bits[pick(static_cast<int>(bits.size()), random)];
    const Seat seat = seats[bit];
    Press press;
    press.team = teamBase(data4) + seat.teamOffset;
    press.player = seat.player;
    press.code = static_cast<std::int16_t>(1 << bit);
    press.heldCode = static_cast<std::int16_t>((1 << bit) ^ mask);
    return press;
}

// The team bits are the module's identity bits: 111 is team slot 1 ... 000 team slot 8.
std::optional<Press> decodeOneTeam(std::int16_t code, const std::function<double()>& random) {
    const int teamBits = code & 224;
    const int pressed = (code ^ 31) & 31;  // buttons are active low
    if (pressed == 0) {
        return std::nullopt;  // a report without any button pressed is no press
    }
    // Slot k (1..5) is bit k-1; several buttons: the first pressed slot from a random
    // start slot on, wrapping round.
    int bit = std::countr_zero(static_cast<unsigned>(pressed));
    if (std::popcount(static_cast<unsigned>(pressed)) > 1) {
        const int start = pick(5, random);
        for (int i = 0; i < 5; ++i) {
            const int b = (start + i) % 5;
            if (pressed & (1 << b)) {
                bit = b;
                break;
            }
        }
    }
    Press press;
    press.team = (224 - teamBits) / 32;
    press.player = bit == 0 ? 5 : bit;
    press.code = code;
    press.heldCode = static_cast<std::int16_t>(teamBits | (31 ^ (1 << bit)));
    return press;
}

// RF unit codes 1, 2, 3... are five players per team in team order.
std::optional<Press> decodeRf(std::int16_t code) {
    if (code < 1) {
        return std::nullopt;
    }
    Press press;
    press.team = (code - 1) / 5;
    press.player = (code - 1) % 5 + 1;
    press.code = code;
    press.heldCode = code;
    if (press.team > 9) {
        return std::nullopt;  // no roster slot for it
    }
    return press;
}

}  // namespace

std::optional<Press> decodePress(std::int32_t model, std::int16_t code, std::int16_t data4,
                                 const std::function<double()>& random) {
    switch (model) {
        case 712:
        case 812:
            return decodeRf(code);
        case 2012:
            return decodeTwoTeam(k2012Seats, code, data4, random);
        case 512:
            return decodeTwoTeam(k512Seats, code, data4, random);
        case 4097:
        case 272:
            return decodeOneTeam(code, random);
        default:
            return std::nullopt;
    }
}

}  // namespace engine
