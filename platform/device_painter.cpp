#include "platform/device_painter.h"

namespace {
QImage devicePixels(QImage& image) {
    return QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
}
} // namespace

DevicePainter::DevicePainter(Surface& target)
    : pixels_(devicePixels(target.image())), painter_(&pixels_) {}

QRect deviceRect(PixelRect rect, double scale) {
    const QPoint topLeft(toDevice(rect.left, scale), toDevice(rect.top, scale));
    const QPoint bottomRight(toDevice(rect.right, scale), toDevice(rect.bottom, scale));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}
