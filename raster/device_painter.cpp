#include "raster/device_painter.h"

namespace {
QImage& atOneToOne(QImage& image) {
    image.setDevicePixelRatio(1.0);
    return image;
}
} // namespace

// The painter is made on the image itself, whose paint engine Qt keeps from one operation to
// the next.
DevicePainter::DevicePainter(Surface& target)
    : image_(target.image()), scale_(target.scale()), painter_(&atOneToOne(image_)) {}

DevicePainter::~DevicePainter() {
    painter_.end();
    image_.setDevicePixelRatio(scale_);
}

QRect deviceRect(const QRect& rect, double scale) {
    // edge by edge: the right and bottom edges lie past the last pixel
    const QPoint topLeft(toDevice(rect.x(), scale), toDevice(rect.y(), scale));
    const QPoint bottomRight(toDevice(rect.x() + rect.width(), scale),
                             toDevice(rect.y() + rect.height(), scale));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}
