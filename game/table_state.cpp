#include "game/table_state.h"

#include <algorithm>
#include <limits>

TableState table;

void tableInit() {
    handInit(table.playerHand);
    handInit(table.dealerHand);
    handInit(table.splitHand);
    shoeInit(table.shoe);
    shoeFill(table.shoe, table.deckCount);
    table.cardsUntilReshuffle = firstShoeCards;
}

Hand& handFor(HandId hand) {
    switch (hand) {
    case PlayerHandId:
        return table.playerHand;
    case SplitHandId:
        return table.splitHand;
    default:
        return table.dealerHand;
    }
}

std::int32_t addClamped(std::int32_t value, std::int64_t change) {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::int64_t{value} + change, lowest, highest));
}
