#include "render/art/device_grid.h"

#include <QImage>

#include <cmath>

namespace {
QRect onDeviceGrid(const QRectF& device) {
    const QPoint topLeft(static_cast<int>(std::lround(device.left())),
                         static_cast<int>(std::lround(device.top())));
    const QPoint bottomRight(static_cast<int>(std::lround(device.right())),
                             static_cast<int>(std::lround(device.bottom())));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}
} // namespace

void drawOnDeviceGrid(QPainter& painter, const QRectF& box, const QColor& ground, bool turned,
                      const std::function<void(QPainter&)>& draw) {
    const QRect device = onDeviceGrid(painter.worldTransform().mapRect(box));
    if (device.isEmpty()) {
        return;
    }
    QImage picture(device.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(ground);
    {
        QPainter inner(&picture);
        if (device.size() != box.size()) {
            inner.scale(device.width() / box.width(), device.height() / box.height());
        }
        draw(inner);
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(device.topLeft(), turned ? picture.mirrored(true, true) : picture);
    painter.restore();
}

QImage drawPartToFill(const QRect& part, QSize size, const QColor& ground,
                      const std::function<void(QPainter&)>& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<double>(size.width()) / part.width(),
                  static_cast<double>(size.height()) / part.height());
    painter.translate(-part.left(), -part.top());
    draw(painter);
    return image;
}

void frameBox(QPainter& painter, const QRectF& box, const QColor& colour) {
    const qreal right = box.right() - 1;
    const qreal bottom = box.bottom() - 1;
    painter.fillRect(QRectF(box.left(), box.top(), box.width(), 1), colour);
    painter.fillRect(QRectF(box.left(), bottom, box.width(), 1), colour);
    painter.fillRect(QRectF(box.left(), box.top(), 1, box.height()), colour);
    painter.fillRect(QRectF(right, box.top(), 1, box.height()), colour);
}
