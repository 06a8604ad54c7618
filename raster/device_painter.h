#pragma once

#include "raster/surface.h"

#include <QImage>
#include <QPainter>
#include <QRect>

// Paints a surface in its own device pixels, whatever its device pixel ratio: the drawing
// operations place everything on the device grid themselves. While it lives, the surface's
// image is at one device pixel a pixel.
class DevicePainter {
  public:
    explicit DevicePainter(Surface& target);
    ~DevicePainter();
    DevicePainter(const DevicePainter&) = delete;
    DevicePainter& operator=(const DevicePainter&) = delete;

    QPainter& painter() { return painter_; }

  private:
    QImage& image_;
    double scale_;
    QPainter painter_;
};

// The device pixels of a logical rectangle on a surface of that scale.
QRect deviceRect(const QRect& rect, double scale);
