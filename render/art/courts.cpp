#include "render/art/courts.h"

#include "render/art/device_grid.h"
#include "render/art/figures.h"
#include "render/art/suits.h"

namespace {

// The panel leaves the corner indices free: x 19 to 51, y 4 to 91 of the cell.
constexpr int panelLeft = 19;
constexpr int panelTop = 4;
const QColor panelGround(255, 248, 220);

void drawHalf(QPainter& painter, Court court, Suit suit) {
    painter.setRenderHint(QPainter::Antialiasing);
    drawFigure(painter, court, suit);
    painter.fillPath(suitPath(suit, QRectF(1.5, 1.5, 7, 8)), suitColor(suit));
}

} // namespace

void drawCourt(QPainter& painter, const QRect& cell, Suit suit, int rank) {
    const Court court = static_cast<Court>(rank);
    const QPointF top = cell.topLeft() + QPointF(panelLeft, panelTop);
    const QSizeF half(figureWidth, figureHeight);
    const auto draw = [court, suit](QPainter& inner) { drawHalf(inner, court, suit); };
    drawOnDeviceGrid(painter, QRectF(top, half), panelGround, false, draw);
    drawOnDeviceGrid(painter, QRectF(top + QPointF(0, figureHeight), half), panelGround, true,
                     draw);
    const QRectF panel(top, QSizeF(figureWidth, 2 * figureHeight));
    frameBox(painter, panel, suitColor(suit));
    painter.fillRect(QRectF(panel.left(), top.y() + figureHeight, panel.width(), 1),
                     suitColor(suit));
}
