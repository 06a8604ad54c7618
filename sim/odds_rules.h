#pragma once

// What the exact analyser (odds.h) reckons with: shoes, rules, and its results.
#include <array>

// A shoe by card value: index 0 aces, 1 to 8 the twos to nines, 9 the ten-valued cards.
using Composition = std::array<int, 10>;

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

// The expected net result of a round in stakes, negative when the house wins.
struct ExactReturn {
    double perRound = 0;
    double splitRate = 0;     // the chance that a round is split
    double perSplitRound = 0; // the expected net result of a round that is split
};
