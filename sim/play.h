#pragma once

#include "headless/headless_view.h"
#include "sim/strategy.h"

#include <cstdint>
#include <iosfwd>
#include <string>

// What a run of rounds came to. A hand is one of the player's hands: a split round plays two.
struct PlayTally {
    std::int64_t rounds = 0;
    std::int64_t hands = 0;
    std::int64_t wins = 0;   // hands that won, naturals included
    std::int64_t losses = 0; // hands that lost, busts and the dealer's naturals included
    std::int64_t pushes = 0;
    std::int64_t playerNaturals = 0; // rounds dealt a two-card 21 to the player
    std::int64_t dealerNaturals = 0; // rounds ended by the dealer's two-card 21
    std::int64_t doubles = 0;        // hands doubled
    std::int64_t splits = 0;         // rounds split
    std::int64_t netMoney = 0;       // the bank's change over all rounds
    std::int64_t netSquares = 0;     // the sum of the squares of each round's change
    std::int64_t handMoney = 0;      // the same change, added up hand by hand from the outcomes
    std::int64_t splitMoney = 0;     // the bank's change over the rounds that were split
    std::int64_t splitSquares = 0;   // the sum of the squares of each split round's change
};

// Plays one round of `table` from betting mode to betting mode through the buttons a player would
// press, and adds it to the tally.
void playRound(TableState& table, HeadlessView& view, Strategy strategy, PlayTally& tally);

struct PlayOptions {
    std::int64_t rounds = 0;
    std::uint32_t seed = 0;
    Strategy strategy = Strategy::Basic;
    bool showProgress = false; // a bar on `progress` as the rounds go by
    bool freshShoe = false;    // every round off a full shoe: the countdown is spent before each
                               // Deal, so the game's own rebuild runs at every Deal
};

struct PlayReport {
    PlayOptions options;
    PlayTally tally;
    std::int32_t stake = 5;
    double seconds = 0;
};

// Starts `table` as the game does, seeds the draws and plays the rounds at the stake of 5; the
// table is left as the last round left it.
PlayReport runPlay(TableState& table, const PlayOptions& options, std::ostream& progress);
// The same on a table of its own.
PlayReport runPlay(const PlayOptions& options, std::ostream& progress);

// The net result per round in units of the stake, with its 95% confidence interval.
struct NetResult {
    double mean = 0;
    double sd = 0;
    double low = 0;
    double high = 0;
};
NetResult netResult(const PlayReport& report);

std::string reportText(const PlayReport& report);
std::string reportJson(const PlayReport& report);
