#include "render/art/badges.h"

#include "raster/script_font.h"
#include "render/art/device_grid.h"
#include "render/art/fonts.h"
#include "render/art/sheet_colors.h"
#include "render/art/sprite_id.h"

#include <QPainter>

namespace {

constexpr int letteringPixelSize = 16;

// Plain black pixels at one device pixel a pixel, smoothed edges at any other resolution.
void drawBadge(QPainter& painter, BadgeKind kind, const QString& family, const QString& word,
               bool smooth) {
    QRect box = spriteRect(badgeSprite(kind));
    box.setWidth(SheetGeometry::badgeFrameWidth(kind));
    painter.setFont(withScriptFont(letteringFont(family, letteringPixelSize, smooth)));
    painter.fillRect(box, SheetColors::badge);
    frameBox(painter, box, SheetColors::black);
    painter.setPen(SheetColors::black);
    painter.drawText(box, Qt::AlignCenter, word);
}

} // namespace

int letteringRoom(BadgeKind kind) {
    return SheetGeometry::badgeFrameWidth(kind) - 4;
}

QFont badgeLetteringFont(const QString& family) {
    return withScriptFont(letteringFont(family, letteringPixelSize, false));
}

QImage renderResultSheet(const QString& family, const BadgeWords& words) {
    QImage sheet(SheetGeometry::resultSheetWidth, SheetGeometry::resultSheetHeight,
                 QImage::Format_RGB32);
    sheet.fill(SheetColors::face);
    QPainter painter(&sheet);
    for (const SpriteId sprite : allSprites()) {
        if (sheetOf(sprite) == SheetId::results)
            drawBadge(painter, static_cast<BadgeKind>(sprite.row), family,
                      words[static_cast<std::size_t>(sprite.row)], false);
    }
    return sheet;
}

QImage renderBadgeSprite(BadgeKind kind, QSize size, const QString& family, const QString& word) {
    return drawPartToFill(spriteRect(badgeSprite(kind)), size, SheetColors::face,
                          [&](QPainter& painter) { drawBadge(painter, kind, family, word, true); });
}
