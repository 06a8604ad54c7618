#pragma once

#include "render/art/sheet_colors.h"

#include <QPainter>

// One half of a court figure, drawn into a box of figureWidth x figureHeight from its top-left:
// headwear, head and robe, with what the figure holds.
inline constexpr int figureWidth = 33;
inline constexpr int figureHeight = 44;

enum class Court { jack = 11, queen = 12, king = 13 };

void drawFigure(QPainter& painter, Court court, Suit suit);
