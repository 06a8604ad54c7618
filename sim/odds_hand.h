#pragma once

// The cards of the exact analyser: values by index, and a player's hand with the cards it takes
// out of the shoe.
#include "sim/odds_rules.h"

#include <cstdint>

namespace odds {
inline constexpr int values = 10; // card values: index 0 the ace, 9 the ten-valued cards
inline constexpr int ace = 0;
inline constexpr int ten = 9;

inline constexpr int valueAt(int index) {
    return index + 1;
}

inline constexpr bool isNatural(int first, int second) {
    return (first == ace && second == ten) || (first == ten && second == ace);
}

// A hand of the player's, with the cards out of the shoe while it is played: its own and, in a
// split, the other hand's pair card.
struct PlayerHand {
    Composition out{};
    int outCount = 0;
    int hard = 0; // every ace as 1
    bool hasAce = false;
    int cards = 0;
    int pairCardOut = -1; // in a split, the value index of the other hand's pair card

    bool soft() const { return hasAce && hard + 10 <= 21; }
    int total() const { return soft() ? hard + 10 : hard; }

    PlayerHand with(int index) const {
        PlayerHand next = *this;
        ++next.out[static_cast<std::size_t>(index)];
        ++next.outCount;
        next.hard += valueAt(index);
        next.hasAce = hasAce || index == ace;
        ++next.cards;
        return next;
    }

    // The cards out of the shoe, five bits a value.
    std::uint64_t outKey() const {
        std::uint64_t key = 0;
        for (std::size_t v = 0; v < values; ++v) {
            key |= static_cast<std::uint64_t>(out[v]) << (5 * v);
        }
        return key;
    }
};
} // namespace odds
