#include "image_canvas.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {
QColor toQColor(const Colour& colour) {
    QColor result(colour.red, colour.green, colour.blue);
    result.setAlphaF(static_cast<float>(colour.opacity));
    return result;
}

QPointF toQPoint(const Point& point) {
    return {point.x, point.y};
}
} // namespace

ImageCanvas::ImageCanvas(QImage& image) : painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing);
    const double scale = static_cast<double>(image.width()) / iconSpace;
    painter_.scale(scale, scale);
}

void ImageCanvas::push(Point origin, double degrees, double scale) {
    painter_.save();
    painter_.translate(origin.x, origin.y);
    painter_.rotate(degrees);
    painter_.scale(scale, scale);
}

void ImageCanvas::pop() {
    painter_.restore();
}

void ImageCanvas::box(const RoundedBox& box, const Fill& fill, const Stroke* stroke) {
    QLinearGradient gradient(0, box.y, 0, box.y + box.height);
    gradient.setColorAt(0, toQColor(fill.top));
    gradient.setColorAt(1, toQColor(fill.bottom));
    painter_.setBrush(gradient);
    if (stroke) {
        painter_.setPen(QPen(toQColor(stroke->colour), stroke->width));
    } else {
        painter_.setPen(Qt::NoPen);
    }
    painter_.drawRoundedRect(QRectF(box.x, box.y, box.width, box.height), box.radius, box.radius);
}

void ImageCanvas::shape(const Outline& outline, const Colour& colour) {
    QPainterPath path;
    for (const Segment& segment : outline) {
        const Point* p = segment.points;
        switch (segment.command) {
        case 'M':
            path.moveTo(toQPoint(p[0]));
            break;
        case 'L':
            path.lineTo(toQPoint(p[0]));
            break;
        case 'C':
            path.cubicTo(toQPoint(p[0]), toQPoint(p[1]), toQPoint(p[2]));
            break;
        default:
            path.closeSubpath();
            break;
        }
    }
    painter_.fillPath(path, toQColor(colour));
}

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        ImageCanvas canvas(image);
        drawIcon(canvas);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}
