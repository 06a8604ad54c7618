#pragma once

#include "platform/surface.h"

#include <QImage>
#include <QPainter>
#include <QRect>

// Paints a surface in its own device pixels, whatever its device pixel ratio: the drawing
// operations place everything on the device grid themselves.
class DevicePainter {
  public:
    explicit DevicePainter(Surface& target);
    QPainter& painter() { return painter_; }

  private:
    QImage pixels_; // the surface's pixels, shared, without its device pixel ratio
    QPainter painter_;
};

// The device pixels of a logical rectangle on a surface of that scale.
QRect deviceRect(PixelRect rect, double scale);
