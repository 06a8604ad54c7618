#pragma once

#include "render/art/sheet_colors.h"

#include <QPainter>
#include <QRect>

// The picture of a jack (11), queen (12) or king (13): a framed panel holding a double-ended
// figure, the upper half turned half-way round to make the lower half.
void drawCourt(QPainter& painter, const QRect& cell, Suit suit, int rank);
