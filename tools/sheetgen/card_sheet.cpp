#include "card_sheet.h"

#include "back.h"
#include "courts.h"
#include "index.h"
#include "pips.h"
#include "sheet_layout.h"

#include <QPainter>

namespace {

QRect cellAt(int column, int row) {
    return {column * SheetLayout::cellWidth, row * SheetLayout::cellHeight, SheetLayout::cellWidth,
            SheetLayout::cellHeight};
}

void drawBlankCard(QPainter& painter, const QRect& cell) {
    painter.fillRect(cell, SheetColors::face);
    painter.setPen(SheetColors::frame);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
}

void drawFace(QPainter& painter, const QRect& cell, Suit suit, int rank, const QString& family) {
    drawBlankCard(painter, cell);
    painter.setRenderHint(QPainter::Antialiasing);
    if (rank > 10)
        drawCourt(painter, cell, suit, rank);
    else
        drawPips(painter, cell, suit, rank);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawIndices(painter, cell, suit, rank, family);
}

} // namespace

QImage renderCardSheet(const QString& family) {
    QImage sheet(SheetLayout::cardSheetWidth, SheetLayout::cardSheetHeight, QImage::Format_RGB32);
    sheet.fill(SheetColors::face);
    {
        QPainter painter(&sheet);
        for (int column = 0; column < SheetLayout::columns; ++column) {
            for (int rank = 1; rank <= 13; ++rank)
                drawFace(painter, cellAt(column, rank - 1), static_cast<Suit>(column), rank,
                         family);
        }
        drawBlankCard(painter, cellAt(0, SheetLayout::backRow));
    }
    drawCardBack(sheet, cellAt(0, SheetLayout::backRow));
    return sheet;
}
