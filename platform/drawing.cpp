#include "platform/drawing.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace {
QRect toQRect(PixelRect rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}
} // namespace

void fillRect(Surface& target, PixelRect rect, Rgb colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    QPainter painter(&target.image());
    painter.fillRect(toQRect(rect), QColor(colour.red, colour.green, colour.blue));
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
    QPainter painter(&target.image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(polygon);
}
