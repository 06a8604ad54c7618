#pragma once

#include "cards/card.h"
#include "game/table_state.h"
#include "game/table_view.h"

#include <array>

void onDeal(TableState& table, TableView& window);
void dealInitialCards(TableState& table);
void dealCardTo(TableState& table, HandId hand);
bool canSplit(const TableState& table);
void checkNaturals(TableState& table, TableView& window);
void toggleBettingMode(TableState& table, TableView& window);
void revealDealerHand(TableState& table, TableView& window);

// Gives the view the card at the hand's slot to paint (the card back for the pending hole card),
// then advances the slot; painting the hole card turns off holeCardPending.
void paintNextCard(TableState& table, TableView& window, HandId hand);

// The cards the next Deal will deal (player, dealer's hole card, player, dealer), worked out on a
// copy of the shoe without moving the generator.
std::array<Card, 4> nextDealCards(const TableState& table);
