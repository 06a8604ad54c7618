#include "game/deal.h"

#include "cards/random.h"
#include "game/table_state.h"

namespace {
// The next Deal fills the shoe again before it deals.
bool reshuffleDue() {
    return table.cardsUntilReshuffle <= 0;
}
} // namespace

void dealCardTo(HandId hand) {
    handAddCard(handFor(hand), shoeDraw(table.shoe));
    --table.cardsUntilReshuffle;
}

void dealInitialCards() {
    if (reshuffleDue()) {
        shoeFill(table.shoe, table.deckCount);
        table.cardsUntilReshuffle = laterShoeCards;
    }
    handClear(table.playerHand);
    handClear(table.dealerHand);
    handClear(table.splitHand);
    dealCardTo(PlayerHandId);
    dealCardTo(DealerHandId);
    dealCardTo(PlayerHandId);
    dealCardTo(DealerHandId);
}

std::array<Card, 4> nextDealCards() {
    Shoe shoe;
    shoe.cards = cardListNew();
    if (reshuffleDue()) {
        shoeFill(shoe, table.deckCount);
    } else {
        for (const CardNode* node = table.shoe.cards->head.get(); node; node = node->next.get()) {
            cardListAppend(*shoe.cards, cardNodeNew(Card{node->suit, node->rank}));
        }
        shoe.cardCount = table.shoe.cardCount;
    }
    const std::uint32_t position = randomPosition();
    std::array<Card, 4> cards;
    for (Card& card : cards) {
        card = shoeDraw(shoe);
    }
    randomSeed(position);
    return cards;
}

bool canSplit() {
    const CardNode* first = table.playerHand.cards->head.get();
    return first && first->next && first->rank == first->next->rank;
}

void toggleBettingMode(TableView& window) {
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

void revealDealerHand(TableView& window) {
    table.dealerRevealed = true;
    table.dealerSlot = 1;
    do {
        window.paintNextCard(DealerHandId);
    } while (table.dealerSlot < 3);
}

void checkNaturals(TableView& window) {
    if (handTotal(table.playerHand) == 21) {
        // three to two in whole units, paid even against a dealer's 21
        table.bank = addClamped(table.bank, std::int64_t{3} * table.bet / 2);
    } else if (handTotal(table.dealerHand) == 21) {
        table.bank = addClamped(table.bank, -std::int64_t{table.bet});
    } else {
        window.paintCounts();
        window.paintMoney();
        return;
    }
    revealDealerHand(window);
    window.paintResults(ResultPlayer, 1);
    toggleBettingMode(window);
    window.enableButton(IDC_DOUBLE, false);
    window.enableButton(IDC_SPLIT, false);
    window.paintCounts();
    window.paintMoney();
}

void onDeal(TableView& window) {
    table.holeCardPending = true;
    table.dealerRevealed = false;
    table.playerDoubled = false;
    table.splitDoubled = false;
    table.activeHand = PlayerHandId;
    table.splitActive = false;
    table.firstHandBusted = false;

    dealInitialCards();
    if (canSplit()) {
        window.enableButton(IDC_SPLIT, true);
    }
    window.clearTable();
    table.splitSlot = 1;
    table.dealerSlot = 1;
    table.playerSlot = 1;
    window.paintNextCard(PlayerHandId);
    window.paintNextCard(DealerHandId);
    window.paintNextCard(PlayerHandId);
    window.paintNextCard(DealerHandId);
    toggleBettingMode(window);
    window.enableButton(IDC_DOUBLE, true);
    checkNaturals(window);
    window.invalidateRect(TableLayout::tableRect);
    window.invalidateRect(TableLayout::moneyRect);
    window.updateWindow();
}
