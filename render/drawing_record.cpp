#include "render/drawing_record.h"

#include "raster/text.h"
#include "render/placement.h"
#include "render/qt_geometry.h"

#include <algorithm>
#include <type_traits>

namespace {
bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool inside(const Point& point, const Rect& rect) {
    return point.x >= rect.left && point.y >= rect.top && point.x < rect.right &&
           point.y < rect.bottom;
}

Rect spriteLanding(SpriteId sprite, Point topLeft) {
    const QRect part = spriteRect(sprite);
    return rectAt(topLeft, part.width(), part.height());
}

Rect areaOf(const ClearOp& op) {
    return op.area;
}

// The most the lines can touch: the 2-pixel pen and its mitred corners reach past the points.
Rect areaOf(const LinesOp& op) {
    if (op.points.empty()) {
        return {};
    }
    Rect area{op.points.front().x, op.points.front().y, op.points.front().x, op.points.front().y};
    for (const Point& point : op.points) {
        area = {std::min(area.left, point.x), std::min(area.top, point.y),
                std::max(area.right, point.x), std::max(area.bottom, point.y)};
    }
    return {area.left - 3, area.top - 3, area.right + 4, area.bottom + 4};
}

Rect areaOf(const CardOp& op) {
    return spriteLanding(cardSprite(op.faceDown, op.card), op.at);
}

Rect areaOf(const BadgeOp& op) {
    return rectAt(op.at, op.width, SheetGeometry::badgeHeight);
}

template <class Op>
constexpr bool isOpaque =
    std::is_same_v<Op, ClearOp> || std::is_same_v<Op, CardOp> || std::is_same_v<Op, BadgeOp>;
} // namespace

std::string textOf(const LabelOp& op) {
    return op.text;
}

std::string textOf(const SplitLabelOp& op) {
    return op.text;
}

std::string textOf(const FigureOp& op) {
    return figureText(op.value);
}

QRect touched(const DrawOp& op) {
    const QRect area = std::visit(
        [](const auto& each) {
            if constexpr (TextOp<std::remove_cvref_t<decltype(each)>>) {
                return textBounds(toQPoint(each.at), textOf(each));
            } else {
                return toQRect(areaOf(each));
            }
        },
        op);
    return area.adjusted(-1, -1, 1, 1);
}

std::optional<Rect> opaqueArea(const DrawOp& op) {
    return std::visit(
        [](const auto& each) -> std::optional<Rect> {
            if constexpr (isOpaque<std::remove_cvref_t<decltype(each)>>) {
                return areaOf(each);
            } else {
                return std::nullopt;
            }
        },
        op);
}

bool covers(const Rect& area, const DrawOp& earlier) {
    return std::visit(
        [&](const auto& each) {
            if constexpr (TextOp<std::remove_cvref_t<decltype(each)>>) {
                return inside(each.at, area);
            } else {
                return inside(areaOf(each), area);
            }
        },
        earlier);
}
