#include "render/art/badges.h"

#include "render/art/device_grid.h"
#include "render/art/fonts.h"
#include "render/art/sheet_colors.h"
#include "render/art/sprite_id.h"

#include <QPainter>

namespace {

// In row order: bust, win, lose, natural, push.
constexpr const char* letterings[SheetGeometry::badgeCount] = {"Bust", "Win", "lose", "Natural",
                                                               "Push"};

constexpr int letteringPixelSize = 16;

// Plain black pixels at one device pixel a pixel, smoothed edges at any other resolution.
void drawBadge(QPainter& painter, BadgeKind kind, const QString& family, bool smooth) {
    QRect box = spriteRect(badgeSprite(kind));
    box.setWidth(SheetGeometry::badgeFrameWidth(kind));
    painter.setFont(letteringFont(family, letteringPixelSize, smooth));
    painter.fillRect(box, SheetColors::badge);
    frameBox(painter, box, SheetColors::black);
    painter.setPen(SheetColors::black);
    painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(letterings[kind]));
}

} // namespace

std::string_view badgeLettering(BadgeKind kind) {
    return letterings[kind];
}

QImage renderResultSheet(const QString& family) {
    QImage sheet(SheetGeometry::resultSheetWidth, SheetGeometry::resultSheetHeight,
                 QImage::Format_RGB32);
    sheet.fill(SheetColors::face);
    QPainter painter(&sheet);
    for (const SpriteId sprite : allSprites()) {
        if (sheetOf(sprite) == SheetId::results)
            drawBadge(painter, static_cast<BadgeKind>(sprite.row), family, false);
    }
    return sheet;
}

QImage renderBadgeSprite(BadgeKind kind, QSize size, const QString& family) {
    return drawPartToFill(spriteRect(badgeSprite(kind)), size, SheetColors::face,
                          [&](QPainter& painter) { drawBadge(painter, kind, family, true); });
}
