#pragma once

#include "raster/surface.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <string_view>

// Text in the table's one font, black, with the pixels between the strokes left as they were.
// The font is carried inside the program, so the letters look the same on every machine; the
// letters of Chinese, Japanese and Korean, which it lacks, come from the script font
// (raster/script_font.h) when a language has chosen one.

// Registers the embedded font; needs the GUI application object. False when it cannot be loaded,
// in which case drawText draws nothing rather than fall back to some other font.
bool loadTextFont();

inline constexpr std::int32_t textPixelSize = 11;

// Draws exactly the characters of `text` (UTF-8) with the top-left of their cell at `cellTopLeft`.
// At one device pixel a pixel the letters are plain black pixels hinted to the grid, the same on
// every machine; at any other device pixel ratio they are drawn at that resolution with smoothed
// edges, as the window system's own text is.
void drawText(Surface& target, QPoint cellTopLeft, std::string_view text);

// How far the pen moves drawing `text` at one device pixel a pixel: where text that ends at a
// given place begins.
std::int32_t textWidth(std::string_view text);

// A rectangle that holds every pixel drawText touches for `text` with its cell at `cellTopLeft`,
// at any device pixel ratio; empty when the font is not loaded.
QRect textBounds(QPoint cellTopLeft, std::string_view text);
