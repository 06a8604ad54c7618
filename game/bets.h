#pragma once

#include "game/table_view.h"

void onBetOne(TableView& window);
void onBetFive(TableView& window);
void onBetTen(TableView& window);
void onClearBet(TableView& window); // back to 5, never 0
void settleBets();
