#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <functional>

// The art is drawn in logical pixels, the painter's world transform mapping them to device
// pixels: the identity for the sheets the build embeds, a scale for sprites drawn at a screen's
// own resolution.

// Draws a small picture of its own (a corner index, half a court figure) made at the device
// resolution of `box`, so that it covers `box` exactly on the device pixel grid; `turned` gives
// it a half turn, as on the lower half of a card. `draw` works in the picture's logical pixels,
// from (0, 0) to the size of `box`.
void drawOnDeviceGrid(QPainter& painter, const QRectF& box, const QColor& ground, bool turned,
                      const std::function<void(QPainter&)>& draw);

// A part of a sheet, the logical rectangle `part`, drawn by `draw` (in sheet coordinates, smooth
// edges) to fill an image of `size` device pixels on `ground`.
QImage drawPartToFill(const QRect& part, QSize size, const QColor& ground,
                      const std::function<void(QPainter&)>& draw);

// A one-pixel frame just inside `box`, as a one-pixel pen draws it at one device pixel a pixel.
void frameBox(QPainter& painter, const QRectF& box, const QColor& colour);
