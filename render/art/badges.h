#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <string_view>

// The result sheet: five 27-pixel rows, each with a framed yellow badge at its left edge, the
// rest of the sheet white. `family` is the lettering font's family (fonts.h).

// The whole sheet at one device pixel a pixel, as the build embeds it.
QImage renderResultSheet(const QString& family);

// The part of the sheet `width` logical pixels wide from the left edge of `row`, drawn to fill
// `size` device pixels from the same shapes: a badge at a screen's own resolution.
QImage renderResultPart(int row, int width, QSize size, const QString& family);

// The lettering of the badge in `row`: "Bust", "Win", "lose", "Natural", "Push".
std::string_view badgeLettering(int row);
