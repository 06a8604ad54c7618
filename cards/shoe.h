#pragma once

#include "cards/card.h"
#include "cards/card_list.h"
#include "cards/random.h"

#include <cstdint>
#include <memory>

// Decks put back into a shoe that runs dry in the middle of a round.
inline constexpr std::int32_t shoeDecks = 6;

// The pile that every card is dealt from. It is filled in order and never shuffled:
// the randomness is in the position each card is drawn from, chosen by the shoe's own generator.
struct Shoe {
    std::unique_ptr<CardList> cards;
    std::int32_t cardCount = 0;
    Random random; // where each card is drawn from
};

void shoeInit(Shoe& shoe); // empty list, generator seeded from the clock
void shoeFill(Shoe& shoe, std::int32_t decks);
Card shoeDraw(Shoe& shoe); // refills with shoeDecks first when empty
