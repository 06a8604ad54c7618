// Paints the icon design into a QImage with QPainter.
#pragma once

#include "icon_design.h"

#include <QImage>
#include <QPainter>

class ImageCanvas : public Canvas {
  public:
    explicit ImageCanvas(QImage& image);
    void push(Point origin, double degrees, double scale) override;
    void pop() override;
    void box(const RoundedBox& box, const Fill& fill, const Stroke* stroke) override;
    void shape(const Outline& outline, const Colour& colour) override;

  private:
    QPainter painter_;
};

// The icon drawn at size x size pixels, antialiased, on a transparent background.
QImage paintIcon(int size);
