#include "game/settlement.h"

HandSettlement settleHand(std::int32_t total, std::int32_t dealerTotal, RoundEnd end,
                          std::int64_t stake) {
    if (total > 21) {
        return {HandResult::bust, -stake};
    }
    if (end == RoundEnd::naturals) {
        if (total == 21) {
            return {HandResult::natural, 3 * stake / 2};
        }
        return {HandResult::lose, -stake};
    }
    if (dealerTotal > 21 || total > dealerTotal) {
        return {HandResult::win, stake};
    }
    if (total < dealerTotal) {
        return {HandResult::lose, -stake};
    }
    return {HandResult::push, 0};
}

std::optional<HandResult> dealerResult(std::int32_t dealerTotal, RoundEnd end) {
    if (dealerTotal > 21) {
        return HandResult::bust;
    }
    if (dealerTotal == 21 && end == RoundEnd::naturals) {
        return HandResult::natural;
    }
    return std::nullopt;
}

HandSettlement settlement(const TableState& table, HandId hand, RoundEnd end) {
    const std::int32_t dealerTotal = handTotal(handState(table, DealerHandId).hand);
    if (hand != PlayerHandId && hand != SplitHandId) {
        return {dealerResult(dealerTotal, end), 0};
    }
    const HandState& played = handState(table, hand);
    const std::int64_t stake = (played.doubled ? 2 : 1) * std::int64_t{table.bet};
    return settleHand(handTotal(played.hand), dealerTotal, end, stake);
}
