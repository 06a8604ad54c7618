#include "tests/support/round_outcome.h"

#include "game/table_state.h"

namespace {
struct Count {
    int cards = 0;
    int total = 0;
};

// Aces count 1, pictures 10; one ace counts 11 instead when that keeps the hand at 21 or less.
Count countOf(const Hand& hand) {
    Count count;
    bool ace = false;
    for (const CardNode* node = hand.cards->head.get(); node; node = node->next.get()) {
        ++count.cards;
        count.total += node->rank > 10 ? 10 : node->rank;
        ace = ace || node->rank == 1;
    }
    if (ace && count.total + 10 <= 21) {
        count.total += 10;
    }
    return count;
}

bool isNatural(const Count& count) {
    return count.cards == 2 && count.total == 21;
}

// A split hand of two cards making 21 is an ordinary 21.
bool playerNatural(const TableState& table) {
    return !table.splitActive && isNatural(countOf(handState(table, PlayerHandId).hand));
}

std::int64_t handChange(const TableState& table, const Hand& hand, bool doubled, int dealer) {
    const int player = countOf(hand).total;
    const std::int64_t stake = (doubled ? 2 : 1) * std::int64_t{table.bet};
    if (player > 21) {
        return -stake;
    }
    if (dealer > 21 || player > dealer) {
        return stake;
    }
    return player == dealer ? 0 : -stake;
}
} // namespace

bool roundHadNatural(const TableState& table) {
    return playerNatural(table) || isNatural(countOf(handState(table, DealerHandId).hand));
}

std::int64_t expectedSettlement(const TableState& table) {
    if (playerNatural(table)) {
        return 3 * std::int64_t{table.bet} / 2;
    }
    const Count dealer = countOf(handState(table, DealerHandId).hand);
    if (isNatural(dealer)) {
        return -table.bet;
    }
    std::int64_t change = handChange(table, handState(table, PlayerHandId).hand,
                                     handState(table, PlayerHandId).doubled, dealer.total);
    if (table.splitActive) {
        change += handChange(table, handState(table, SplitHandId).hand,
                             handState(table, SplitHandId).doubled, dealer.total);
    }
    return change;
}
