#include "cards/shoe.h"

#include "cards/random.h"

#include <ctime>

void shoeInit(Shoe& shoe) {
    shoe.cards = cardListNew();
    shoe.cardCount = 0;
    randomSeed(shoe.random, static_cast<std::uint32_t>(std::time(nullptr)));
}

void shoeFill(Shoe& shoe, std::int32_t decks) {
    cardListClear(*shoe.cards);
    shoe.cardCount = 0;
    for (std::int32_t deck = 0; deck < decks; ++deck) {
        for (std::int32_t suit = 0; suit < 4; ++suit) {
            for (std::int32_t rank = 1; rank <= 13; ++rank) {
                cardListAppend(*shoe.cards, cardNodeNew(Card{suit, rank}));
                ++shoe.cardCount;
            }
        }
    }
}

Card shoeDraw(Shoe& shoe) {
    if (shoe.cardCount <= 0) {
        // A round may in principle outlast the cards left; deal on from fresh decks rather
        // than divide by zero.
        shoeFill(shoe, shoeDecks);
    }
    const std::int32_t position = randomNext(shoe.random) % shoe.cardCount + 1;
    const Card card = cardListAt(*shoe.cards, position);
    cardListRemoveAt(*shoe.cards, position);
    --shoe.cardCount;
    return card;
}
