#pragma once

#include "render/art/sheet_colors.h"

#include <QPainterPath>
#include <QRectF>

// The outline of a suit symbol filling `box`, pointing up (spade and heart tips as on a card).
QPainterPath suitPath(Suit suit, const QRectF& box);

// The same symbol turned upside down within its box, as pips on the lower half of a card are.
QPainterPath invertedSuitPath(Suit suit, const QRectF& box);
