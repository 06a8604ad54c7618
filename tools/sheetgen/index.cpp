#include "index.h"

#include "fonts.h"
#include "suits.h"

namespace {

constexpr int rankPixelSize = 13;
constexpr int suitTop = 15;
constexpr int suitSize = 9;

QImage renderIndex(Suit suit, int rank, const QString& family) {
    QImage image(IndexBox::width, IndexBox::height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
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
    return image;
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
    const QImage index = renderIndex(suit, rank, family);
    painter.drawImage(cell.topLeft() + QPoint(IndexBox::left, IndexBox::top), index);
    const QPoint bottomRight =
        cell.topLeft() + QPoint(cell.width() - IndexBox::left - IndexBox::width,
                                cell.height() - IndexBox::top - IndexBox::height);
    painter.drawImage(bottomRight, index.mirrored(true, true));
}
