#pragma once

#include "tools/sim/strategy.h"

#include <array>
#include <cstdint>

// The exact analyser: the expected net result of one round dealt off the top of a full six-deck
// shoe, worked out by combinatorics with every card dealt in the round removed from the shoe. It
// states the rules of the game in its own code and never drives the engine, so that where it and
// `play` disagree beyond chance one of the two is wrong.
//
// Splits use the usual approximation: each of the two hands is played from the shoe less the two
// pair cards and the up card, as if the other hand drew nothing; the dealer then draws from the
// shoe less the cards of that one hand. Everything else is exact.

// A shoe by card value: index 0 aces, 1 to 8 the twos to nines, 9 the ten-valued cards.
using Composition = std::array<int, 10>;
Composition sixDeckShoe();

// The game's rules, and the departures from them that the tests compare against.
struct Rules {
    bool dealerHitsSoft17 = false;          // the game: the dealer stands on every 17
    bool naturalsSettledFirst = true;       // false: the dealer's 21 is found at the end and
                                            // takes every stake, doubles and splits included
    bool naturalPaidAgainstDealer21 = true; // false: two naturals push
    bool splitAllowed = true;               // one split of two cards of equal rank
    bool doubleAfterSplit = true;           // each hand of a split may double first
    bool hitSplitAces = true;               // false: split aces take one card each
    bool naturalAfterSplit = false;         // true: an ace and a ten after a split pay 3 to 2

    friend bool operator==(const Rules&, const Rules&) = default;
};

// The dealer's final result: totals 17 to 21, over 21, and a two-card 21 (a natural).
enum DealerFinal { Dealer17, Dealer18, Dealer19, Dealer20, Dealer21, DealerBust, DealerNatural };
using DealerOutcome = std::array<double, 7>;

// The probability of each final result of a dealer showing `up` (a value: 1 ace, 10 a ten)
// who draws from `shoe` (the up card already taken out). The first card drawn is the hole card.
// With naturals settled first, a hole card that makes a natural ends the round before anyone
// plays: those deals are left out, so the results add up to the chance that there is none.
DealerOutcome dealerOutcome(const Composition& shoe, int up, const Rules& rules = {});

// What a natural pays, in stakes: 3 x stake / 2 in whole units, as the game rounds it.
double naturalPayout(std::int32_t stake);

// The expected net result of a round, in stakes, for a strategy at a stake; negative when the
// house wins. The charts play as `play` plays them.
struct ExactReturn {
    double perRound = 0;
    double splitRate = 0;     // the chance that a round is split
    double perSplitRound = 0; // the expected net result of a round that is split
};
ExactReturn exactReturn(const Chart& chart, std::int32_t stake, const Rules& rules = {});
ExactReturn exactReturn(Strategy strategy, std::int32_t stake);

// The best total-dependent chart for the rules: every cell (hard and soft totals, pairs, for each
// up card) holds the code that gives the highest return while the other cells stay as they are.
Chart bestChart(const Rules& rules);
