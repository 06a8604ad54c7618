#pragma once

#include "platform/surface.h"
#include "render/table_content.h"

// The three long-lived surfaces of the table, shared by the panel and sprite painters. Null
// until createTableSurface and after releaseTableSurface; the painters draw nothing then.
Surface* backBufferSurface();
const Surface* cardSheet();
const Surface* resultSheet();

inline constexpr Rgb tableGreen{0, 128, 0};

// The three text panels, as TablePainter paints them; createTableSurface paints them too.
void paintCountPanel();
void paintMoneyPanel();
void paintBetPanel();

// The words behind the picture, written only by the painters above and TablePainter.
TableContent& shownContent();
ShownHand& shownHand(HandId hand); // 0 player, 2 split, any other value the dealer
