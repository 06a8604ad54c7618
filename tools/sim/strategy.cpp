#include "tools/sim/strategy.h"

#include <array>

namespace {
// Basic strategy for six decks, the dealer standing on soft 17, doubling after a split allowed,
// no surrender. Columns: the dealer's up card 2, 3, 4, 5, 6, 7, 8, 9, 10, A.
// H hit, S stand, D double (else hit), d double (else stand), P split.
using Row = std::string_view;

// Hard totals, indexed by total; below 5 there is nothing to do but hit.
constexpr std::array<Row, 22> hardTotals{
    "HHHHHHHHHH", "HHHHHHHHHH", "HHHHHHHHHH", "HHHHHHHHHH", "HHHHHHHHHH", // 0-4
    "HHHHHHHHHH",                                                         // 5
    "HHHHHHHHHH",                                                         // 6
    "HHHHHHHHHH",                                                         // 7
    "HHHHHHHHHH",                                                         // 8
    "HDDDDHHHHH",                                                         // 9
    "DDDDDDDDHH",                                                         // 10
    "DDDDDDDDDH",                                                         // 11
    "HHSSSHHHHH",                                                         // 12
    "SSSSSHHHHH",                                                         // 13
    "SSSSSHHHHH",                                                         // 14
    "SSSSSHHHHH",                                                         // 15
    "SSSSSHHHHH",                                                         // 16
    "SSSSSSSSSS",                                                         // 17
    "SSSSSSSSSS",                                                         // 18
    "SSSSSSSSSS",                                                         // 19
    "SSSSSSSSSS",                                                         // 20
    "SSSSSSSSSS",                                                         // 21
};

// Soft totals (an ace counted as 11), indexed by total from 12 (two aces not split).
constexpr std::array<Row, 10> softTotals{
    "HHHHHHHHHH", // 12
    "HHHDDHHHHH", // 13
    "HHHDDHHHHH", // 14
    "HHDDDHHHHH", // 15
    "HHDDDHHHHH", // 16
    "HDDDDHHHHH", // 17
    "SddddSSHHH", // 18
    "SSSSSSSSSS", // 19
    "SSSSSSSSSS", // 20
    "SSSSSSSSSS", // 21
};

// Pairs, indexed by the value of one card (ace 1, tens 10): P splits, '.' plays the total.
constexpr std::array<Row, 11> pairs{
    "..........", // unused
    "PPPPPPPPPP", // A,A
    "PPPPPP....", // 2,2
    "PPPPPP....", // 3,3
    "...PP.....", // 4,4
    "..........", // 5,5: a hard 10
    "PPPPP.....", // 6,6
    "PPPPPP....", // 7,7
    "PPPPPPPPPP", // 8,8
    "PPPPP.PP..", // 9,9
    "..........", // 10,10
};

std::int32_t cardValue(std::int32_t rank) {
    return rank > 10 ? 10 : rank;
}

std::size_t upCardColumn(const Card& up) {
    const std::int32_t value = cardValue(up.rank);
    return value == 1 ? 9 : static_cast<std::size_t>(value - 2);
}

char basicCode(const Decision& decision) {
    const std::size_t column = upCardColumn(decision.dealerUp);
    const Hand& hand = decision.hand;
    if (decision.canSplit) {
        const std::int32_t pairValue = cardValue(hand.cards->head->rank);
        if (pairs[static_cast<std::size_t>(pairValue)][column] == 'P') {
            return 'P';
        }
    }
    const std::int32_t total = hand.total;
    if (total >= 21) {
        return 'S';
    }
    if (hand.softAces > 0 && total >= 12) {
        return softTotals[static_cast<std::size_t>(total - 12)][column];
    }
    return hardTotals[static_cast<std::size_t>(total < 0 ? 0 : total)][column];
}

ControlId basicAction(const Decision& decision) {
    switch (basicCode(decision)) {
    case 'P':
        return IDC_SPLIT;
    case 'D':
        return decision.canDouble ? IDC_DOUBLE : IDC_HIT;
    case 'd':
        return decision.canDouble ? IDC_DOUBLE : IDC_STAND;
    case 'S':
        return IDC_STAND;
    default:
        return IDC_HIT;
    }
}
} // namespace

std::optional<Strategy> strategyFromName(std::string_view name) {
    for (const Strategy strategy : {Strategy::Basic, Strategy::Stand, Strategy::Dealer}) {
        if (strategyName(strategy) == name) {
            return strategy;
        }
    }
    return std::nullopt;
}

std::string_view strategyName(Strategy strategy) {
    switch (strategy) {
    case Strategy::Stand:
        return "stand";
    case Strategy::Dealer:
        return "dealer";
    default:
        return "basic";
    }
}

ControlId chooseAction(Strategy strategy, const Decision& decision) {
    switch (strategy) {
    case Strategy::Stand:
        return IDC_STAND;
    case Strategy::Dealer:
        return decision.hand.total <= 16 ? IDC_HIT : IDC_STAND;
    default:
        return basicAction(decision);
    }
}
