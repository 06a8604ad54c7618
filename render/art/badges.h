#pragma once

#include "render/art/sprite_id.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>

// The result sheet: five 27-pixel rows, each with a framed yellow badge at its left edge, the
// rest of the sheet white. `family` is the lettering font's family (fonts.h); the letters it lacks
// come from the script font (raster/script_font.h).

// The lettering of each badge, in row order.
using BadgeWords = std::array<QString, SheetGeometry::badgeCount>;

// The whole sheet at one device pixel a pixel, as the build embeds it with the English words.
QImage renderResultSheet(const QString& family, const BadgeWords& words);

// A badge, its copy width wide, drawn to fill `size` device pixels from the same shapes: the badge
// at a screen's own resolution.
QImage renderBadgeSprite(BadgeKind kind, QSize size, const QString& family, const QString& word);

// How wide, at one device pixel a pixel, the lettering of a badge may be: its frame's inside,
// less a pixel on each side.
int letteringRoom(BadgeKind kind);
// The lettering's font at one device pixel a pixel, as the sheet is drawn.
QFont badgeLetteringFont(const QString& family);
