#include "render/art/index.h"

#include "render/art/device_grid.h"
#include "render/art/fonts.h"
#include "render/art/suits.h"

namespace {

constexpr int rankPixelSize = 13;
constexpr int suitTop = 15;
constexpr int suitSize = 9;

void drawIndex(QPainter& painter, Suit suit, int rank, const QString& family) {
    painter.setPen(suitColor(suit));
    QFont font = letteringFont(family, rankPixelSize, true);
    if (rank == 10)
        font.setLetterSpacing(QFont::AbsoluteSpacing, -1.5);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, IndexBox::width, suitTop), Qt::AlignHCenter | Qt::AlignTop,
                     rankText(rank));
    painter.setRenderHint(QPainter::Antialiasing);
    const double suitLeft = (IndexBox::width - suitSize) / 2.0;
    painter.fillPath(suitPath(suit, QRectF(suitLeft, suitTop, suitSize, suitSize)),
                     suitColor(suit));
}

} // namespace

QString rankText(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

void drawIndices(QPainter& painter, const QRect& cell, Suit suit, int rank, const QString& family) {
    const auto draw = [suit, rank, &family](QPainter& inner) {
        drawIndex(inner, suit, rank, family);
    };
    const QSizeF size(IndexBox::width, IndexBox::height);
    const QPointF topLeft = cell.topLeft() + QPointF(IndexBox::left, IndexBox::top);
    const QPointF bottomRight =
        cell.topLeft() + QPointF(cell.width() - IndexBox::left - IndexBox::width,
                                 cell.height() - IndexBox::top - IndexBox::height);
    drawOnDeviceGrid(painter, QRectF(topLeft, size), Qt::transparent, false, draw);
    drawOnDeviceGrid(painter, QRectF(bottomRight, size), Qt::transparent, true, draw);
}
