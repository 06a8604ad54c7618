#pragma once

#include "render/art/sheet_colors.h"

#include <QPainter>
#include <QRect>

// The centre of a number card: one large pip for an ace, the classic arrangement for 2 to 10.
void drawPips(QPainter& painter, const QRect& cell, Suit suit, int rank);
