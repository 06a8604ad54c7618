#include "tests/support/table_fixture.h"

#include "cards/random.h"
#include "game/table_state.h"

#include <numeric>
#include <stdexcept>
#include <string>

void resetTable(TableState& table) {
    table = TableState{};
    tableInit(table);
}

void arrangeShoe(TableState& table, const std::vector<Card>& draws, std::uint32_t seed) {
    constexpr std::int32_t size = 312;
    std::vector<Card> order;
    for (std::int32_t i = 0; i < size; ++i) {
        order.push_back(Card{(i % 52) / 13, i % 13 + 1});
    }
    std::vector<std::int32_t> remaining(size);
    std::iota(remaining.begin(), remaining.end(), 0);
    randomSeed(table.shoe.random, seed);
    Random draw = table.shoe.random; // the positions the shoe's own draws will take
    for (const Card& wanted : draws) {
        const auto count = static_cast<std::int32_t>(remaining.size());
        const std::int32_t position = randomNext(draw) % count + 1;
        order[remaining[position - 1]] = wanted;
        remaining.erase(remaining.begin() + (position - 1));
    }
    shoeFill(table.shoe, 0);
    for (const Card& each : order) {
        cardListAppend(*table.shoe.cards, cardNodeNew(each));
        ++table.shoe.cardCount;
    }
}

Card card(const char* name) {
    const std::string text(name);
    const std::string rankText = text.substr(0, text.size() - 1);
    const char suitLetter = text.back();
    static const std::string suits = "CDHS";
    static const std::string ranks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
    const auto suit = suits.find(suitLetter);
    for (std::int32_t rank = 1; rank <= 13; ++rank) {
        if (ranks[rank - 1] == rankText && suit != std::string::npos) {
            return Card{static_cast<std::int32_t>(suit), rank};
        }
    }
    throw std::invalid_argument("no such card: " + text);
}

std::vector<Card> cards(std::initializer_list<const char*> names) {
    std::vector<Card> result;
    for (const char* name : names) {
        result.push_back(card(name));
    }
    return result;
}

std::int32_t cardsIn(const CardList& list) {
    std::int32_t count = 0;
    for (const CardNode* node = list.head.get(); node; node = node->next.get()) {
        ++count;
    }
    return count;
}
