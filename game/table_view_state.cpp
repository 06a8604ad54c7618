#include "game/table_view_state.h"

#include "game/table_state.h"

namespace {
std::int32_t& slotRef(HandId hand) {
    switch (hand) {
    case PlayerHandId:
        return table.playerSlot;
    case SplitHandId:
        return table.splitSlot;
    default:
        return table.dealerSlot;
    }
}
} // namespace

std::int32_t slotOf(HandId hand) {
    return slotRef(hand);
}

NextCard takeNextCard(HandId hand) {
    std::int32_t& slot = slotRef(hand);
    NextCard next;
    next.slot = slot;
    if (&slot == &table.dealerSlot && table.holeCardPending) {
        table.holeCardPending = false;
        next.faceDown = true;
    } else {
        next.card = handCardAt(handFor(hand), slot);
    }
    ++slot;
    return next;
}

CountFigures countFigures() {
    CountFigures figures;
    figures.player = handTotal(table.playerHand);
    figures.split = handTotal(table.splitHand);
    figures.splitRow = table.splitActive;
    if (table.dealerRevealed) {
        figures.dealer = handTotal(table.dealerHand);
    } else {
        // only the cards in view, counted as a hand of their own: a lone ace shows 11
        std::int32_t softAces = 0;
        const CardNode* hole = table.dealerHand.cards->head.get();
        for (const CardNode* node = hole ? hole->next.get() : nullptr; node;
             node = node->next.get()) {
            countCard(figures.dealer, softAces, node->rank);
        }
    }
    return figures;
}
