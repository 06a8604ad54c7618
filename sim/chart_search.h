#pragma once

#include "sim/chart.h"
#include "sim/up_card_shoe.h"

namespace odds {
// Improves the chart's column for the shoe's up card until no single cell can do better.
void improveColumn(UpCardShoe& shoe, Chart& working);
} // namespace odds
