#pragma once

#include <cstdint>

// What the round just finished must have done to the bank, worked out independently from the
// final hands on the table: 3 x bet / 2 for a player's natural that ended the deal, the stake
// lost on the dealer's natural, else each hand (doubled or not) against the dealer's total.
std::int64_t expectedSettlement(bool endedAtDeal);
