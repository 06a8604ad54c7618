#include "render/art/card_sheet.h"

#include "render/art/back.h"
#include "render/art/courts.h"
#include "render/art/device_grid.h"
#include "render/art/index.h"
#include "render/art/pips.h"
#include "render/art/sheet_layout.h"

#include <QPainter>

namespace {

QRect cellAt(int column, int row) {
    return {column * SheetLayout::cellWidth, row * SheetLayout::cellHeight, SheetLayout::cellWidth,
            SheetLayout::cellHeight};
}

void drawBlankCard(QPainter& painter, const QRect& cell) {
    painter.fillRect(cell, SheetColors::face);
    frameBox(painter, cell, SheetColors::frame);
}

void drawFace(QPainter& painter, const QRect& cell, Suit suit, int rank, const QString& family) {
    drawBlankCard(painter, cell);
    painter.setRenderHint(QPainter::Antialiasing);
    if (rank > 10)
        drawCourt(painter, cell, suit, rank);
    else
        drawPips(painter, cell, suit, rank);
    drawIndices(painter, cell, suit, rank, family);
}

void drawCell(QPainter& painter, int column, int row, const QString& family) {
    const QRect cell = cellAt(column, row);
    if (row < SheetLayout::backRow) {
        drawFace(painter, cell, static_cast<Suit>(column), row + 1, family);
        return;
    }
    drawBlankCard(painter, cell);
    if (column == 0)
        drawCardBack(painter, cell);
}

} // namespace

QImage renderCardSheet(const QString& family) {
    QImage sheet(SheetLayout::cardSheetWidth, SheetLayout::cardSheetHeight, QImage::Format_RGB32);
    sheet.fill(SheetColors::face);
    QPainter painter(&sheet);
    for (int column = 0; column < SheetLayout::columns; ++column) {
        for (int row = 0; row < SheetLayout::backRow; ++row)
            drawCell(painter, column, row, family);
    }
    drawCell(painter, 0, SheetLayout::backRow, family);
    return sheet;
}

QImage renderCardCell(int column, int row, QSize size, const QString& family) {
    return drawPartToFill(cellAt(column, row), size, SheetColors::face,
                          [&](QPainter& painter) { drawCell(painter, column, row, family); });
}
