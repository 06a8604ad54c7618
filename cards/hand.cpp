#include "cards/hand.h"

void handInit(Hand& hand) {
    hand.cards = cardListNew();
    hand.total = 0;
    hand.softAces = 0;
}

void handClear(Hand& hand) {
    cardListClear(*hand.cards);
    hand.total = 0;
    hand.softAces = 0;
}

void countCard(std::int32_t& total, std::int32_t& softAces, std::int32_t rank) {
    if (rank == 1) {
        total += 11;
        ++softAces;
    } else if (rank >= 11) {
        total += 10;
    } else {
        total += rank;
    }
    while (total > 21 && softAces > 0) {
        total -= 10;
        --softAces;
    }
}

void handAddCard(Hand& hand, Card card) {
    cardListAppend(*hand.cards, cardNodeNew(card));
    countCard(hand.total, hand.softAces, card.rank);
}

void handRemoveCard(Hand& hand, std::int32_t position) {
    const Card card = cardListAt(*hand.cards, position);
    hand.total -= card.rank >= 11 ? 10 : card.rank;
    if (card.rank == 1) {
        --hand.softAces;
    }
    cardListRemoveAt(*hand.cards, position);
}

Card handCardAt(const Hand& hand, std::int32_t position) {
    return cardListAt(*hand.cards, position);
}

std::int32_t handTotal(const Hand& hand) {
    return hand.total;
}
