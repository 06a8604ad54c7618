#include "render/art/badges.h"

#include "raster/script_font.h"
#include "render/art/device_grid.h"
#include "render/art/fonts.h"
#include "render/art/sheet_colors.h"
#include "render/art/sprite_id.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int letteringPixelSize = 16;
// What a badge wider than the English one leaves on either side of its word, inside the frame's
// line: the least the English badges leave ("Win" in its 51-pixel frame).
constexpr int wordMargin = 7;

// The badge's frame: the English one's, or the whole width of a wider badge.
int frameWidth(BadgeKind kind, std::int32_t width) {
    return width == SheetGeometry::badgeCopyWidths[kind] ? SheetGeometry::badgeFrameWidth(kind)
                                                         : width;
}

QRect badgeRect(BadgeKind kind, std::int32_t width) {
    return {0, kind * SheetGeometry::badgeHeight, width, SheetGeometry::badgeHeight};
}

// Plain black pixels at one device pixel a pixel, smoothed edges at any other resolution.
void drawBadge(QPainter& painter, BadgeKind kind, std::int32_t width, const QString& family,
               const QString& word, bool smooth) {
    QRect box = badgeRect(kind, width);
    box.setWidth(frameWidth(kind, width));
    painter.setFont(withScriptFont(letteringFont(family, letteringPixelSize, smooth)));
    painter.fillRect(box, SheetColors::badge);
    frameBox(painter, box, SheetColors::black);
    painter.setPen(SheetColors::black);
    // An Arabic word reads from the right: a figure in it stands at its left.
    painter.setLayoutDirection(word.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(box, Qt::AlignCenter, word);
}

} // namespace

std::int32_t badgeWidth(BadgeKind kind, const QString& family, const QString& word) {
    const int needed =
        QFontMetrics(badgeLetteringFont(family)).horizontalAdvance(word) + 2 * (wordMargin + 1);
    return std::max(SheetGeometry::badgeCopyWidths[kind], needed);
}

BadgeWidths badgeWidths(const QString& family, const BadgeWords& words) {
    BadgeWidths widths{};
    for (std::size_t kind = 0; kind < widths.size(); ++kind) {
        widths[kind] = badgeWidth(static_cast<BadgeKind>(kind), family, words[kind]);
    }
    return widths;
}

int letteringRoom(BadgeKind kind, std::int32_t width) {
    return frameWidth(kind, width) - 4;
}

QFont badgeLetteringFont(const QString& family) {
    return withScriptFont(letteringFont(family, letteringPixelSize, false));
}

QImage renderResultSheet(const QString& family, const BadgeWords& words) {
    const BadgeWidths widths = badgeWidths(family, words);
    QImage sheet(std::max(SheetGeometry::resultSheetWidth, std::ranges::max(widths)),
                 SheetGeometry::resultSheetHeight, QImage::Format_RGB32);
    sheet.fill(SheetColors::face);
    QPainter painter(&sheet);
    for (const SpriteId sprite : allSprites()) {
        if (sheetOf(sprite) == SheetId::results) {
            const auto row = static_cast<std::size_t>(sprite.row);
            drawBadge(painter, static_cast<BadgeKind>(sprite.row), widths[row], family, words[row],
                      false);
        }
    }
    return sheet;
}

QImage renderBadgeSprite(BadgeKind kind, QSize size, const QString& family, const QString& word) {
    const std::int32_t width = badgeWidth(kind, family, word);
    return drawPartToFill(badgeRect(kind, width), size, SheetColors::face, [&](QPainter& painter) {
        drawBadge(painter, kind, width, family, word, true);
    });
}
