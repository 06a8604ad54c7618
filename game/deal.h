#pragma once

#include "cards/card.h"
#include "game/table_view.h"

#include <array>

void onDeal(TableView& window);
void dealInitialCards();
void dealCardTo(HandId hand);
bool canSplit();
void checkNaturals(TableView& window);
void toggleBettingMode(TableView& window);
void revealDealerHand(TableView& window);

// The cards the next Deal will deal (player, dealer's hole card, player, dealer), worked out on a
// copy of the shoe without moving the generator.
std::array<Card, 4> nextDealCards();
