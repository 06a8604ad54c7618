#pragma once

#include "cards/shoe.h"

#include <cstdint>

// The figures of the house's rules, written once: the round logic plays by them, and the help
// texts, reports and package pages quote them (packaging/ reads them through figures.cpp).

inline constexpr std::int32_t startingBank = 1000;
// The bet a game starts with and Clear sets back; nothing smaller is ever staked.
inline constexpr std::int32_t startingBet = 5;

// The cut card: the first shoe is reshuffled once 90% of it is dealt, 0.9 x 52 = 46.8 cards a
// deck, so a round never starts short of cards (33 or more are left). The nearest double,
// 46.800000000000004, gives 280.8 for 6 decks, truncated to 280.
inline constexpr std::int32_t firstShoeCards = static_cast<std::int32_t>(shoeDecks * 46.8);
// Every shoe after the first is cut a little earlier, after 88% of it: 0.88 x 52 = 45.76 cards a
// deck, 274 of 6 decks (274.56 truncated), leaving 39 or more for the round that starts last.
inline constexpr std::int32_t laterShoeCards = static_cast<std::int32_t>(shoeDecks * 45.76);
