#pragma once

#include "sim/chart.h"
#include "sim/odds_rules.h"

#include <cstdint>

// The exact analyser: the expected net result of one round dealt off the top of a full six-deck
// shoe, worked out by combinatorics with every card dealt in the round removed from the shoe. It
// states the rules of the game in its own code and never drives the engine, so that where it and
// `play` disagree beyond chance one of the two is wrong.
//
// Splits use the usual approximation: each of the two hands is played from the shoe less the two
// pair cards and the up card, as if the other hand drew nothing; the dealer then draws from the
// shoe less the cards of that one hand. Everything else is exact.

// The full shoe of six decks.
Composition sixDeckShoe();

// The probability of each final result of a dealer showing `up` (a value: 1 ace, 10 a ten)
// who draws from `shoe` (the up card already taken out). The first card drawn is the hole card.
// With naturals settled first, a hole card that makes a natural ends the round before anyone
// plays: those deals are left out, so the results add up to the chance that there is none.
DealerOutcome dealerOutcome(const Composition& shoe, int up, const Rules& rules = {});

// What a natural pays, in stakes: 3 x stake / 2 in whole units, as the game rounds it.
double naturalPayout(std::int32_t stake);

// The expected net result of a round, in stakes, for a strategy at a stake; negative when the
// house wins. The charts play as `play` plays them.
ExactReturn exactReturn(const Chart& chart, std::int32_t stake, const Rules& rules = {});

// The best total-dependent chart for the rules: every cell (hard and soft totals, pairs, for each
// up card) holds the code that gives the highest return while the other cells stay as they are.
Chart bestChart(const Rules& rules);
