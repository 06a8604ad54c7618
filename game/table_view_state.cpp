#include "game/table_view_state.h"

CountFigures countFigures(const TableState& table) {
    CountFigures figures;
    const Hand& dealer = handState(table, DealerHandId).hand;
    figures.player = handTotal(handState(table, PlayerHandId).hand);
    figures.split = handTotal(handState(table, SplitHandId).hand);
    figures.splitRow = table.splitActive;
    if (table.dealerRevealed) {
        figures.dealer = handTotal(dealer);
    } else {
        // only the cards in view, counted as a hand of their own: a lone ace shows 11
        std::int32_t softAces = 0;
        const CardNode* hole = dealer.cards->head.get();
        for (const CardNode* node = hole ? hole->next.get() : nullptr; node;
             node = node->next.get()) {
            countCard(figures.dealer, softAces, node->rank);
        }
    }
    return figures;
}
