#pragma once

#include "platform/surface.h"
#include "render/table_content.h"

#include <span>
#include <string>
#include <string_view>

// The drawing of the table. Every operation below draws into the back buffer and is also kept,
// in order, so that the same picture can be drawn again at another device pixel ratio; what a
// later fill or sprite covers entirely is no longer kept. Nothing is drawn or kept before
// createTableSurface and after releaseTableSurface.

enum class SheetId { cards, results };

bool canvasReady();
void canvasFill(PixelRect rect, Rgb colour);
void canvasText(PixelPoint cellTopLeft, std::string_view text);
void canvasSprite(SheetId sheet, PixelRect part, PixelPoint topLeft);
void canvasLines(std::span<const PixelPoint> points); // 2-pixel solid white

inline constexpr Rgb tableGreen{0, 128, 0};

// The three text panels, as TablePainter paints them; createTableSurface paints them too.
void paintCountPanel();
void paintMoneyPanel();
void paintBetPanel();

// The words behind the picture, written only by the painters above and TablePainter.
TableContent& shownContent();
ShownHand& shownHand(HandId hand); // 0 player, 2 split, any other value the dealer

// The back buffer, filled with the table's green, and the two sprite sheets; `failure` names
// what could not be loaded (a sheet is then replaced by a white one of its size).
void openCanvas(double scale, std::string& failure);
void closeCanvas();
// Draws every kept operation again, in order, into a new back buffer at `scale`.
void redrawCanvas(double scale);
const Surface* canvasSurface();
