#pragma once

#include "cards/card.h"
#include "cards/card_list.h"

#include <cstdint>

struct TableState;
#include <vector>

// Starts the table afresh, as the game does at start-up (bank 1000, bet 5, a full shoe).
void resetTable(TableState& table);

// Seeds the generator and rearranges the table's shoe so that its next draws return `draws` in
// order. The shoe keeps 312 cards; the positions the seed picks are found by running the generator.
void arrangeShoe(TableState& table, const std::vector<Card>& draws, std::uint32_t seed = 1);

// Short card names for tests: "AS", "10H", "KD", "8C".
Card card(const char* name);
std::vector<Card> cards(std::initializer_list<const char*> names);

// The number of cards in a list, counted node by node.
std::int32_t cardsIn(const CardList& list);
