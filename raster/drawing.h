#pragma once

#include "raster/surface.h"

#include <QPoint>
#include <QRect>

#include <span>

// The drawing operations of the table. Each makes and drops its own painter, pen and brush.
// Coordinates are logical pixels; each operation lands on the target's device pixel grid.

// One colour over the rectangle, clipped to the surface.
void fillRect(Surface& target, const QRect& rect, Rgb colour);

// An opaque copy of `source` (clipped to the source surface) to `topLeft` in `target`, clipped to
// the target. Both surfaces are at one device pixel a pixel.
void copyBlock(Surface& target, QPoint topLeft, const Surface& source, const QRect& sourceRect);

// Connected straight lines through the points in order, with a 2-pixel solid white pen.
void drawWhitePolyline(Surface& target, std::span<const QPoint> points);
