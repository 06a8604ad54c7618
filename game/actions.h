#pragma once

#include "game/table_view.h"

void onHit(TableView& window);
void onStand(TableView& window);
void onDouble(TableView& window);
void onSplit(TableView& window);
