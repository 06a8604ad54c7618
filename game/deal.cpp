#include "game/deal.h"

#include "cards/random.h"
#include "game/settlement.h"

namespace {
// The next Deal fills the shoe again before it deals.
bool reshuffleDue(const TableState& table) {
    return table.cardsUntilReshuffle <= 0;
}

// The card at the hand's slot, the card back for the pending hole card; advances the slot.
NextCard takeNextCard(TableState& table, HandId hand) {
    HandState& shown = handState(table, hand);
    NextCard next;
    next.slot = shown.slot;
    if (&shown == &handState(table, DealerHandId) && table.holeCardPending) {
        table.holeCardPending = false;
        next.faceDown = true;
    } else {
        next.card = handCardAt(shown.hand, shown.slot);
    }
    ++shown.slot;
    return next;
}
} // namespace

void dealCardTo(TableState& table, HandId hand) {
    handAddCard(handState(table, hand).hand, shoeDraw(table.shoe));
    --table.cardsUntilReshuffle;
}

void dealInitialCards(TableState& table) {
    if (reshuffleDue(table)) {
        shoeFill(table.shoe, table.deckCount);
        table.cardsUntilReshuffle = laterShoeCards;
    }
    for (HandState& each : table.hands) {
        handClear(each.hand);
    }
    dealCardTo(table, PlayerHandId);
    dealCardTo(table, DealerHandId);
    dealCardTo(table, PlayerHandId);
    dealCardTo(table, DealerHandId);
}

void paintNextCard(TableState& table, TableView& window, HandId hand) {
    const NextCard next = takeNextCard(table, hand);
    window.paintNextCard(hand, next);
}

std::array<Card, 4> nextDealCards(const TableState& table) {
    Shoe shoe;
    shoe.cards = cardListNew();
    if (reshuffleDue(table)) {
        shoeFill(shoe, table.deckCount);
    } else {
        for (const CardNode* node = table.shoe.cards->head.get(); node; node = node->next.get()) {
            cardListAppend(*shoe.cards, cardNodeNew(Card{node->suit, node->rank}));
        }
        shoe.cardCount = table.shoe.cardCount;
    }
    shoe.random = table.shoe.random; // a copy: the table's generator stays where it is
    std::array<Card, 4> cards;
    for (Card& card : cards) {
        card = shoeDraw(shoe);
    }
    return cards;
}

bool canSplit(const TableState& table) {
    const CardNode* first = handState(table, PlayerHandId).hand.cards->head.get();
    return first && first->next && first->rank == first->next->rank;
}

void toggleBettingMode(TableState& table, TableView& window) {
    table.bettingMode = !table.bettingMode;
    const bool betting = table.bettingMode;
    window.enableButton(IDC_HIT, !betting);
    window.enableButton(IDC_STAND, !betting);
    window.enableButton(IDC_DEAL, betting);
    window.enableButton(IDC_BETONE, betting);
    window.enableButton(IDC_BETFIVE, betting);
    window.enableButton(IDC_BETTEN, betting);
    window.enableButton(IDC_CLEAR, betting);
}

void revealDealerHand(TableState& table, TableView& window) {
    table.dealerRevealed = true;
    HandState& dealer = handState(table, DealerHandId);
    dealer.slot = 1;
    do {
        paintNextCard(table, window, DealerHandId);
    } while (dealer.slot < 3);
}

void checkNaturals(TableState& table, TableView& window) {
    if (handTotal(handState(table, PlayerHandId).hand) != 21 &&
        handTotal(handState(table, DealerHandId).hand) != 21) {
        window.paintCounts();
        window.paintMoney();
        return;
    }
    // a two-card 21 on either side settles the round at once
    table.bank = addClamped(table.bank, settlement(table, PlayerHandId, RoundEnd::naturals).change);
    revealDealerHand(table, window);
    window.paintResults(ResultPlayer, RoundEnd::naturals);
    toggleBettingMode(table, window);
    window.enableButton(IDC_DOUBLE, false);
    window.enableButton(IDC_SPLIT, false);
    window.paintCounts();
    window.paintMoney();
}

void onDeal(TableState& table, TableView& window) {
    table.holeCardPending = true;
    table.dealerRevealed = false;
    for (HandState& each : table.hands) {
        each.doubled = false;
    }
    table.activeHand = PlayerHandId;
    table.splitActive = false;
    table.firstHandBusted = false;

    dealInitialCards(table);
    if (canSplit(table)) {
        window.enableButton(IDC_SPLIT, true);
    }
    window.clearTable();
    for (HandState& each : table.hands) {
        each.slot = 1;
    }
    paintNextCard(table, window, PlayerHandId);
    paintNextCard(table, window, DealerHandId);
    paintNextCard(table, window, PlayerHandId);
    paintNextCard(table, window, DealerHandId);
    toggleBettingMode(table, window);
    window.enableButton(IDC_DOUBLE, true);
    checkNaturals(table, window);
    window.invalidateRect(TableLayout::tableRect);
    window.invalidateRect(TableLayout::moneyRect);
    window.updateWindow();
}
