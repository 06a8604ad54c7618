#include "render/art/back.h"

#include "render/art/device_grid.h"
#include "render/art/sheet_colors.h"

namespace {

constexpr int margin = 4;   // white between the frame and the pattern
constexpr int crossing = 6; // one crossing: a strand four pixels wide with a gap on each side

struct Shades {
    QColor light;
    QColor base;
    QColor dark;
};
const Shades red{{245, 110, 110}, {205, 30, 40}, {125, 10, 20}};
const Shades blue{{110, 150, 240}, {35, 70, 185}, {15, 30, 105}};
const QColor gap(255, 255, 255);

// A strand four pixels wide, lit along its first pixel and shaded along its last. `across`
// gives one pixel's strip of it across the strand: its position from the strand's edge.
void drawStrand(QPainter& painter, const QRectF& clip, bool runsAcross, QPointF start,
                double length) {
    const Shades& shades = runsAcross ? red : blue;
    for (int across = 1; across < crossing - 1; ++across) {
        const QColor& colour = across == 1              ? shades.light
                               : across == crossing - 2 ? shades.dark
                                                        : shades.base;
        const QRectF strip = runsAcross ? QRectF(start.x(), start.y() + across, length, 1)
                                        : QRectF(start.x() + across, start.y(), 1, length);
        painter.fillRect(strip.intersected(clip), colour);
    }
}

// Plain weave: red strands run across, blue strands run down, and they take turns on top.
// `origin` is where the weave's first crossing would start, left of and above the pattern.
void drawWeave(QPainter& painter, const QRectF& pattern, QPointF origin) {
    painter.fillRect(pattern, gap);
    for (double y = origin.y(); y < pattern.bottom(); y += crossing) {
        for (double x = origin.x(); x < pattern.right(); x += crossing) {
            const int column = static_cast<int>((x - origin.x()) / crossing);
            const int row = static_cast<int>((y - origin.y()) / crossing);
            const bool redOnTop = (column + row) % 2 == 0;
            const QPointF corner(x, y);
            if (redOnTop) {
                drawStrand(painter, pattern, false, corner, crossing);
                drawStrand(painter, pattern, true, corner, crossing);
            } else {
                drawStrand(painter, pattern, true, corner, crossing);
                drawStrand(painter, pattern, false, corner, crossing);
            }
        }
    }
}

} // namespace

void drawCardBack(QPainter& painter, const QRect& cell) {
    const QRect border = cell.adjusted(margin, margin, -margin, -margin);
    const QRect pattern = border.adjusted(1, 1, -1, -1);
    frameBox(painter, border, blue.dark);
    // Centre the weave so the pattern is cut the same on opposite sides.
    const int offsetX = (crossing - pattern.width() % crossing) / 2;
    const int offsetY = (crossing - pattern.height() % crossing) / 2;
    drawWeave(painter, pattern, QPointF(pattern.left() - offsetX, pattern.top() - offsetY));
}
