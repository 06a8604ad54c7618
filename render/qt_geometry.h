#pragma once

#include "game/table_layout.h"

#include <QPoint>
#include <QRect>

// The layout's points and rectangles as Qt's, for the layers that draw and place widgets with Qt:
// the one conversion between the two.

constexpr QPoint toQPoint(Point point) {
    return {point.x, point.y};
}

constexpr QRect toQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}
