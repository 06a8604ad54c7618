#include "game/bets.h"

#include "game/table_state.h"

namespace {
void showBet(TableView& window) {
    window.paintBet();
    window.invalidateRect(TableLayout::betRect);
    window.updateWindow();
}

void raiseBet(TableView& window, std::int32_t amount) {
    table.bet = addClamped(table.bet, amount); // stops at the largest stake a 32-bit bet holds
    showBet(window);
}

// The change to the bank for one hand: a busted hand loses even when the dealer busts too.
std::int64_t outcome(const Hand& hand, bool doubled) {
    const std::int64_t amount = (doubled ? 2 : 1) * std::int64_t{table.bet};
    const std::int32_t player = handTotal(hand);
    const std::int32_t dealer = handTotal(table.dealerHand);
    if (player > 21) {
        return -amount;
    }
    if (dealer > 21 || player > dealer) {
        return amount;
    }
    return player < dealer ? -amount : 0;
}
} // namespace

void onBetOne(TableView& window) {
    raiseBet(window, 1);
}
void onBetFive(TableView& window) {
    raiseBet(window, 5);
}
void onBetTen(TableView& window) {
    raiseBet(window, 10);
}

void onClearBet(TableView& window) {
    table.bet = startingBet;
    showBet(window);
}

void settleBets() {
    std::int64_t change = outcome(table.playerHand, table.playerDoubled);
    if (table.splitActive) {
        change += outcome(table.splitHand, table.splitDoubled);
    }
    table.bank = addClamped(table.bank, change);
}
