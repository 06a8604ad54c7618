#pragma once

#include "cards/hand.h"
#include "cards/shoe.h"
#include "game/rules.h"
#include "game/table_view.h"

#include <array>
#include <cstdint>

// One hand of the table: its cards, where its next card is painted and whether it was doubled.
struct HandState {
    Hand hand;
    std::int32_t slot = 1; // 1-based position of the next card to paint
    bool doubled = false;  // settled at twice the stake; the dealer's hand never is
};

// The state of one table. Everything that belongs to a round (flags, hands, slots) is reset by
// the next Deal, not at the end of the round, so a finished round stays on the table. Whoever
// plays owns one (the window, the simulator, each test) and passes it to the round logic.
struct TableState {
    std::int32_t bank = startingBank;
    std::int32_t bet = startingBet;
    std::int32_t deckCount = shoeDecks;
    std::int32_t cardsUntilReshuffle = 0;
    Shoe shoe;
    std::array<HandState, handCount> hands; // by HandId: the player's, the dealer's, the split hand
    bool bettingMode = true;
    bool holeCardPending = true; // the next dealer card painted is face down
    bool dealerRevealed = false;
    bool splitActive = false;
    HandId activeHand = PlayerHandId;
    bool firstHandBusted = false;
};

// Makes the three empty hands and the shoe, seeds the generator from the clock and fills the shoe.
void tableInit(TableState& table);

// The hand for `id`: 0 the player's, 2 the split hand, any other value the dealer's.
HandState& handState(TableState& table, HandId id);
const HandState& handState(const TableState& table, HandId id);

// bank and bet are 32-bit; every change is worked out exactly and clamped once.
std::int32_t addClamped(std::int32_t value, std::int64_t change);
