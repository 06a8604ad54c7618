#pragma once

#include "cards/card.h"
#include "game/table_view.h"

#include <cstdint>

// What every table view reads from the table state, kept here so each view counts alike.

struct NextCard {
    std::int32_t slot = 1; // where the card goes: 1 is the hand's first position
    bool faceDown = false; // the dealer's hole card, drawn as the card back
    Card card;             // the card to show when face up
};

// The card at the hand's slot; advances the slot and turns off holeCardPending when it hands
// out the hole card. Every paintNextCard goes through this.
NextCard takeNextCard(HandId hand);

std::int32_t slotOf(HandId hand);

// The figures of the count panel as the player sees them.
struct CountFigures {
    std::int32_t dealer = 0; // without the hole card until it is turned
    std::int32_t player = 0;
    std::int32_t split = 0;
    bool splitRow = false;
};
CountFigures countFigures();
