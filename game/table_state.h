#pragma once

#include "cards/hand.h"
#include "cards/shoe.h"
#include "game/rules.h"
#include "game/table_view.h"

#include <cstdint>

// The one record of game state. Everything that belongs to a round (flags, hands, slots) is
// reset by the next Deal, not at the end of the round, so a finished round stays on the table.
struct TableState {
    std::int32_t bank = startingBank;
    std::int32_t bet = startingBet;
    std::int32_t deckCount = shoeDecks;
    std::int32_t cardsUntilReshuffle = 0;
    Shoe shoe;
    Hand playerHand;
    Hand dealerHand;
    Hand splitHand;
    bool bettingMode = true;
    bool holeCardPending = true; // the next dealer card painted is face down
    bool dealerRevealed = false;
    bool splitActive = false;
    HandId activeHand = PlayerHandId;
    bool playerDoubled = false;
    bool splitDoubled = false;
    bool firstHandBusted = false;
    std::int32_t playerSlot = 1; // 1-based position of the next card to paint
    std::int32_t dealerSlot = 1;
    std::int32_t splitSlot = 1;
};

extern TableState table;

void tableInit();

Hand& handFor(HandId hand); // 0 player, 2 split, any other value the dealer

// bank and bet are 32-bit; every change is worked out exactly and clamped once.
std::int32_t addClamped(std::int32_t value, std::int64_t change);
