#include "game/table_state.h"

#include <algorithm>
#include <limits>

void tableInit(TableState& table) {
    for (HandState& each : table.hands) {
        handInit(each.hand);
    }
    shoeInit(table.shoe);
    shoeFill(table.shoe, table.deckCount);
    table.cardsUntilReshuffle = firstShoeCards;
}

HandState& handState(TableState& table, HandId id) {
    return table.hands[handIndex(id)];
}

const HandState& handState(const TableState& table, HandId id) {
    return table.hands[handIndex(id)];
}

std::int32_t addClamped(std::int32_t value, std::int64_t change) {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::int64_t{value} + change, lowest, highest));
}
