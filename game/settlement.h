#pragma once

#include "game/table_state.h"

#include <cstdint>
#include <optional>

// What a finished hand came to. The numbers are the rows of the result sheet, so a badge is
// looked up by its result.
enum class HandResult : std::int32_t { bust = 0, win = 1, lose = 2, natural = 3, push = 4 };

struct HandSettlement {
    // The player's hands always have a result; the dealer's only when it went over 21 or, at a
    // round settled right after the deal, holds a two-card 21.
    std::optional<HandResult> result;
    std::int64_t change = 0; // to the bank; the dealer's hand changes nothing
};

// The one rule of settlement, by the first line that holds, for one of the player's hands with
// `total` against the dealer's `dealerTotal` at a stake of `stake` (twice the bet for a doubled
// hand):
// - over 21: bust, the stake lost, even when the dealer went over 21 too;
// - a round settled right after the deal (RoundEnd::naturals): a 21 is a natural, paid three to
//   two in whole units (a stake of 5 wins 7) whatever the dealer holds; any other total lost to
//   the dealer's 21 and costs the stake once;
// - the dealer over 21, or a higher total: win, the stake paid;
// - a lower total: lose, the stake lost; the same total: push, nothing changes.
// A 21 reached by hitting, doubling or splitting is an ordinary total.
HandSettlement settleHand(std::int32_t total, std::int32_t dealerTotal, RoundEnd end,
                          std::int64_t stake);
// The dealer's result: bust over 21, natural for a 21 at RoundEnd::naturals, else none.
std::optional<HandResult> dealerResult(std::int32_t dealerTotal, RoundEnd end);

// The settlement of `hand` on the table: the rules above with the hands' totals, the bet, and the
// hand's doubled flag.
HandSettlement settlement(const TableState& table, HandId hand, RoundEnd end);
