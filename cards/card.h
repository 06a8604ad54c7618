#pragma once

#include <cstdint>

// One playing card, copied by value. Suit: 0 clubs, 1 diamonds, 2 hearts, 3 spades.
// Rank: 1 ace, 2 to 10, 11 jack, 12 queen, 13 king.
struct Card {
    std::int32_t suit = 0;
    std::int32_t rank = 0;

    friend bool operator==(const Card&, const Card&) = default;
};
