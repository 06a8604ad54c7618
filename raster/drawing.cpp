#include "raster/drawing.h"

#include "raster/device_painter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolygon>

namespace {
QRect toQRect(PixelRect rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

constexpr int lineWidth = 2;
} // namespace

void fillRect(Surface& target, PixelRect rect, Rgb colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    DevicePainter device(target);
    device.painter().fillRect(deviceRect(rect, target.scale()),
                              QColor(colour.red, colour.green, colour.blue));
}

void copyBlock(Surface& target, PixelPoint topLeft, const Surface& source, PixelRect sourceRect) {
    const QRect wanted = toQRect(sourceRect);
    const QRect inside = wanted.intersected(source.image().rect());
    if (inside.isEmpty()) {
        return;
    }
    const QPoint destination = QPoint(topLeft.x, topLeft.y) + (inside.topLeft() - wanted.topLeft());
    QPainter painter(&target.image());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(destination, source.image(), inside);
}

void drawWhitePolyline(Surface& target, std::span<const PixelPoint> points) {
    QPolygon polygon;
    for (const PixelPoint& point : points) {
        polygon << QPoint(point.x, point.y);
    }
    if (target.scale() == 1.0) {
        QPainter painter(&target.image());
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawPolyline(polygon);
        return;
    }
    // The outline of the same 2-pixel stroke, filled at device resolution: straight edges stay
    // sharp, the slanting end is smoothed.
    QPainterPath line;
    line.addPolygon(QPolygonF(polygon));
    QPainterPathStroker stroker;
    stroker.setWidth(lineWidth);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    DevicePainter device(target);
    device.painter().setRenderHint(QPainter::Antialiasing);
    device.painter().scale(target.scale(), target.scale());
    device.painter().fillPath(stroker.createStroke(line).simplified(), Qt::white);
}
