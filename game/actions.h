#pragma once

#include "game/table_state.h"
#include "game/table_view.h"

void onHit(TableState& table, TableView& window);
void onStand(TableState& table, TableView& window);
void onDouble(TableState& table, TableView& window);
void onSplit(TableState& table, TableView& window);
