#include "courts.h"

#include "figures.h"
#include "suits.h"

#include <QImage>

namespace {

// The panel leaves the corner indices free: x 19 to 51, y 4 to 91 of the cell.
constexpr int panelLeft = 19;
constexpr int panelTop = 4;
const QColor panelGround(255, 248, 220);

QImage renderHalf(Court court, Suit suit) {
    QImage half(figureWidth, figureHeight, QImage::Format_ARGB32_Premultiplied);
    half.fill(panelGround);
    QPainter painter(&half);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFigure(painter, court, suit);
    painter.fillPath(suitPath(suit, QRectF(1.5, 1.5, 7, 8)), suitColor(suit));
    return half;
}

} // namespace

void drawCourt(QPainter& painter, const QRect& cell, Suit suit, int rank) {
    const QImage half = renderHalf(static_cast<Court>(rank), suit);
    const QPoint top = cell.topLeft() + QPoint(panelLeft, panelTop);
    painter.drawImage(top, half);
    painter.drawImage(top + QPoint(0, figureHeight), half.mirrored(true, true));
    const QRect panel(top, QSize(figureWidth, 2 * figureHeight));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(suitColor(suit));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));
    painter.drawLine(panel.left(), top.y() + figureHeight, panel.right(), top.y() + figureHeight);
    painter.restore();
}
