#pragma once

#include "render/art/sprite_id.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>

// The result sheet: five 27-pixel rows, each with a framed yellow badge at its left edge, the
// rest of the sheet white. `family` is the lettering font's family (fonts.h); the letters it lacks
// come from the script font (raster/script_font.h).

// The lettering of each badge, in row order.
using BadgeWords = std::array<QString, SheetGeometry::badgeCount>;

// How wide each badge is copied to the table.
using BadgeWidths = std::array<std::int32_t, SheetGeometry::badgeCount>;

// How wide a badge lettered `word` is: as wide as the English badge of its kind
// (SheetGeometry::badgeCopyWidths) when the word fits in it, else as wide as the word needs with
// the English badges' least margin on either side. No word is shortened.
std::int32_t badgeWidth(BadgeKind kind, const QString& family, const QString& word);
BadgeWidths badgeWidths(const QString& family, const BadgeWords& words);

// The whole sheet at one device pixel a pixel, as the build embeds it with the English words: each
// badge `badgeWidth` wide, the sheet as wide as the widest (at least resultSheetWidth).
QImage renderResultSheet(const QString& family, const BadgeWords& words);

// A badge lettered `word`, its width wide, drawn to fill `size` device pixels from the same
// shapes: the badge at a screen's own resolution.
QImage renderBadgeSprite(BadgeKind kind, QSize size, const QString& family, const QString& word);

// How wide, at one device pixel a pixel, the lettering of a badge of that width may be: its
// frame's inside, less a pixel on each side.
int letteringRoom(BadgeKind kind, std::int32_t width);
// The lettering's font at one device pixel a pixel, as the sheet is drawn.
QFont badgeLetteringFont(const QString& family);
