#pragma once

#include "render/art/sprite_id.h"

#include <QImage>
#include <QSize>
#include <QString>

// The card sheet: 4 suit columns by 13 rank rows of faces, then the back in row 13, column 0.
// `family` is the lettering font's family (fonts.h).

// The whole sheet at one device pixel a pixel, as the build embeds it.
QImage renderCardSheet(const QString& family);

// A face or the back drawn to fill `size` device pixels, from the same shapes: the card at a
// screen's own resolution. A size of 71 x 96 gives the sheet's own cell.
QImage renderCardSprite(SpriteId card, QSize size, const QString& family);
