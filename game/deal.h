#pragma once

#include "game/table_view.h"

void onDeal(TableView& window);
void dealInitialCards();
void dealCardTo(HandId hand);
bool canSplit();
void checkNaturals(TableView& window);
void toggleBettingMode(TableView& window);
void revealDealerHand(TableView& window);
