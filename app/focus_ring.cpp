#include "app/focus_ring.h"

#include <QPaintDevice>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// The relative luminance of a colour as contrast is measured: its sRGB channels made linear.
double luminance(QColor colour) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrast(QColor one, QColor other) {
    const auto [darker, lighter] = std::minmax({luminance(one), luminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}
} // namespace

bool showsKeyboardFocus(const QWidget& widget) {
    return widget.hasFocus() && widget.isEnabled() &&
           widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

QColor focusRingColour(QColor around, QColor face) {
    const auto lowest = [&](QColor ring) {
        return std::min(contrast(ring, around), contrast(ring, face));
    };
    return lowest(Qt::black) >= lowest(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

void drawFocusRing(QPainter& painter, const QRect& area, QColor colour) {
    // In the device's own pixels: at a fractional ratio a widget's edge lies between two of
    // them, and the ring takes the pixels whose centres lie inside it.
    const QTransform toDevice = painter.deviceTransform();
    const QRectF outer = toDevice.mapRect(QRectF(area));
    const QRect device(QPoint(std::lround(outer.left()), std::lround(outer.top())),
                       QPoint(std::lround(outer.right()) - 1, std::lround(outer.bottom()) - 1));
    const int width = static_cast<int>(std::ceil(2 * painter.device()->devicePixelRatioF()));
    const QRect inner = device.adjusted(width, width, -width, -width);
    painter.save();
    painter.setWorldTransform(toDevice.inverted(), true);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(QRect(device.left(), device.top(), device.width(), width), colour);
    painter.fillRect(QRect(device.left(), inner.bottom() + 1, device.width(), width), colour);
    painter.fillRect(QRect(device.left(), inner.top(), width, inner.height()), colour);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), width, inner.height()), colour);
    painter.restore();
}
