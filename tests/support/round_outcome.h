#pragma once

#include <cstdint>

struct TableState;

// The judge of a finished round of a table, working from the cards on the table by the rules of
// settlement alone, with its own count of each hand; it shares no scoring with the game.

// Whether either side's first two cards made 21, which ends the round at the deal.
bool roundHadNatural(const TableState& table);

// What the round must have done to the bank: a player's two-card 21 wins one and a half bets,
// rounded down, whatever the dealer holds; otherwise a dealer's two-card 21 takes one bet;
// otherwise each of the player's hands, at twice the bet when doubled, loses when over 21,
// wins when the dealer is over 21 or below it, and is a push at the dealer's total.
std::int64_t expectedSettlement(const TableState& table);
