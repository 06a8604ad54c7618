#include "raster/drawing.h"

#include "raster/device_painter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolygon>

namespace {
constexpr int lineWidth = 2;
} // namespace

void fillRect(Surface& target, const QRect& rect, Rgb colour) {
    if (rect.isEmpty()) {
        return;
    }
    DevicePainter device(target);
    device.painter().fillRect(deviceRect(rect, target.scale()),
                              QColor(colour.red, colour.green, colour.blue));
}

void copyBlock(Surface& target, QPoint topLeft, const Surface& source, const QRect& sourceRect) {
    const QRect inside = sourceRect.intersected(source.image().rect());
    if (inside.isEmpty()) {
        return;
    }
    const QPoint destination = topLeft + (inside.topLeft() - sourceRect.topLeft());
    QPainter painter(&target.image());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(destination, source.image(), inside);
}

void drawWhitePolyline(Surface& target, std::span<const QPoint> points) {
    const QPolygon polygon(QList<QPoint>(points.begin(), points.end()));
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
