#pragma once

#include "game/table_view_state.h"
#include "raster/surface.h"
#include "render/drawing_record.h"

#include <QRegion>

#include <span>
#include <string>
#include <string_view>

// The drawing of the table. Every operation below draws into the back buffer and is kept in the
// drawing record, named for what it draws. Nothing is drawn or kept before createTableSurface and
// after releaseTableSurface.

bool canvasReady();
void canvasClear(Area area, PixelRect rect); // the table's green
void canvasLabel(PixelPoint cellTopLeft, std::string_view text);
void canvasSplitLabel(PixelPoint cellTopLeft);
void canvasFigure(Figure figure, PixelPoint cellTopLeft, std::int32_t value);
void canvasCard(HandId hand, const NextCard& next, PixelPoint topLeft);
void canvasBadge(HandId hand, BadgeKind badge, PixelPoint topLeft);
void canvasLines(std::span<const PixelPoint> points); // 2-pixel solid white

inline constexpr Rgb tableGreen{0, 128, 0};

// The three text panels, as TablePainter paints them; createTableSurface paints them too.
void paintCountPanel();
void paintMoneyPanel();
void paintBetPanel();

// The back buffer, filled with the table's green, and the two sprite sheets; `failure` names
// what could not be loaded (a sheet is then replaced by a white one of its size).
void openCanvas(double scale, std::string& failure);
void closeCanvas();
// Draws every kept operation again, in order, into a new back buffer at `scale`.
void redrawCanvas(double scale);
// Draws, at the back buffer's ratio, what the next Deal draws (its four cards, the card back and
// the badges) and the letters of the panels' figures once, so that the Deal is not the first to
// need them.
void prepareCanvas();
const Surface* canvasSurface();
// A few rectangles holding what was drawn inside `within` since the screen last showed it, in
// logical pixels.
QRegion canvasUnshown(const QRect& within);
// The screen now shows `region` of the back buffer.
void canvasShown(const QRegion& region);
