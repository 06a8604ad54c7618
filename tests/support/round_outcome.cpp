#include "tests/support/round_outcome.h"

#include "game/table_state.h"

namespace {
bool isNatural(const Hand& hand) {
    return hand.cards->count == 2 && handTotal(hand) == 21;
}
} // namespace

std::int64_t expectedSettlement(bool endedAtDeal) {
    const std::int64_t bet = table.bet;
    if (endedAtDeal) {
        if (isNatural(table.playerHand)) {
            return 3 * bet / 2;
        }
        return isNatural(table.dealerHand) ? -bet : 0;
    }
    const std::int32_t dealer = handTotal(table.dealerHand);
    auto outcome = [&](const Hand& hand, bool doubled) -> std::int64_t {
        const std::int32_t total = handTotal(hand);
        const std::int64_t stake = doubled ? 2 * bet : bet;
        if (total > 21) {
            return -stake;
        }
        if (dealer > 21 || total > dealer) {
            return stake;
        }
        return total < dealer ? -stake : 0;
    };
    std::int64_t change = outcome(table.playerHand, table.playerDoubled);
    if (table.splitActive) {
        change += outcome(table.splitHand, table.splitDoubled);
    }
    return change;
}
