#pragma once

#include "render/art/sprite_id.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <string_view>

// The result sheet: five 27-pixel rows, each with a framed yellow badge at its left edge, the
// rest of the sheet white. `family` is the lettering font's family (fonts.h).

// The whole sheet at one device pixel a pixel, as the build embeds it.
QImage renderResultSheet(const QString& family);

// A badge, its copy width wide, drawn to fill `size` device pixels from the same shapes: the badge
// at a screen's own resolution.
QImage renderBadgeSprite(BadgeKind kind, QSize size, const QString& family);

// The lettering of a badge: "Bust", "Win", "lose", "Natural", "Push".
std::string_view badgeLettering(BadgeKind kind);
