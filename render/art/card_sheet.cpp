#include "render/art/card_sheet.h"

#include "render/art/back.h"
#include "render/art/courts.h"
#include "render/art/device_grid.h"
#include "render/art/index.h"
#include "render/art/pips.h"
#include "render/art/sheet_colors.h"
#include "render/art/sprite_id.h"

#include <QPainter>

namespace {

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

void drawCard(QPainter& painter, SpriteId card, const QString& family) {
    const QRect cell = spriteRect(card);
    if (card.kind == SpriteId::Kind::face) {
        drawFace(painter, cell, static_cast<Suit>(card.column), card.row + 1, family);
        return;
    }
    drawBlankCard(painter, cell);
    drawCardBack(painter, cell);
}

} // namespace

QImage renderCardSheet(const QString& family) {
    QImage sheet(SheetGeometry::cardSheetWidth, SheetGeometry::cardSheetHeight,
                 QImage::Format_RGB32);
    sheet.fill(SheetColors::face);
    QPainter painter(&sheet);
    for (const SpriteId sprite : allSprites()) {
        if (sheetOf(sprite) == SheetId::cards)
            drawCard(painter, sprite, family);
    }
    return sheet;
}

QImage renderCardSprite(SpriteId card, QSize size, const QString& family) {
    return drawPartToFill(spriteRect(card), size, SheetColors::face,
                          [&](QPainter& painter) { drawCard(painter, card, family); });
}
