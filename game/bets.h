#pragma once

#include "game/table_state.h"
#include "game/table_view.h"

void onBetOne(TableState& table, TableView& window);
void onBetFive(TableState& table, TableView& window);
void onBetTen(TableState& table, TableView& window);
void onClearBet(TableState& table, TableView& window); // back to 5, never 0
// Applies the settlement of each of the player's hands to the bank.
void settleBets(TableState& table);
