#include "game/bets.h"

#include "game/settlement.h"

namespace {
void showBet(TableView& window) {
    window.paintBet();
    window.invalidateRect(TableLayout::betRect);
    window.updateWindow();
}

void raiseBet(TableState& table, TableView& window, std::int32_t amount) {
    table.bet = addClamped(table.bet, amount); // stops at the largest stake a 32-bit bet holds
    showBet(window);
}
} // namespace

void onBetOne(TableState& table, TableView& window) {
    raiseBet(table, window, 1);
}
void onBetFive(TableState& table, TableView& window) {
    raiseBet(table, window, 5);
}
void onBetTen(TableState& table, TableView& window) {
    raiseBet(table, window, 10);
}

void onClearBet(TableState& table, TableView& window) {
    table.bet = startingBet;
    showBet(window);
}

void settleBets(TableState& table) {
    std::int64_t change = settlement(table, PlayerHandId, RoundEnd::play).change;
    if (table.splitActive) {
        change += settlement(table, SplitHandId, RoundEnd::play).change;
    }
    table.bank = addClamped(table.bank, change);
}
