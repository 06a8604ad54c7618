#pragma once

#include "game/table_layout.h"
#include "game/table_view_state.h"
#include "raster/surface.h"
#include "render/drawing_record.h"

#include <QRect>
#include <QRegion>

#include <span>
#include <string>
#include <string_view>

// The back buffer, the two sprite sheets, and the one record of what is drawn on the back buffer.
// Every canvas operation below draws into the back buffer and is kept in the record, named for
// what it draws. Nothing is drawn or kept before openCanvas and after releaseTableSurface.

inline constexpr Rgb tableGreen{0, 128, 0};

// The back buffer, filled with the table's green, and the two sprite sheets, which are decoded
// when first drawn from; `failure` names a sheet that is missing or not of its size (one that
// cannot be decoded is replaced by a white one of its size).
void openCanvas(double scale, std::string& failure);
// Releases the back buffer and the sheets; the window calls it when it is destroyed.
void releaseTableSurface();
bool canvasReady();

void canvasClear(Area area, Rect rect); // the table's green
void canvasLabel(Point cellTopLeft, std::string_view text);
void canvasSplitLabel(Point cellTopLeft);
void canvasFigure(Figure figure, Point cellTopLeft, std::int32_t value);
void canvasCard(HandId hand, const NextCard& next, Point topLeft);
void canvasBadge(HandId hand, BadgeKind badge, Point topLeft);
void canvasLines(std::span<const Point> points); // 2-pixel solid white

// The operations kept, oldest first; empty before openCanvas. What a later opaque operation
// covers entirely is no longer kept.
std::span<const DrawOp> keptOperations();

// Draws every kept operation again, in order, into a new back buffer at `scale`.
void redrawCanvas(double scale);

// Draws, at the back buffer's ratio, what the first deal would otherwise draw for the first time
// (its four cards, the card back, the badges, the letters of the figures), so that it is as
// quick as any later one.
// The window calls it once, in idle time after its first frame.
void prepareTableArt();

// The picture the window copies to the screen on every paint; an empty one when there is none.
const Surface& backBuffer();
// The device pixel ratio the back buffer is drawn at.
double tableSurfaceScale();

// A few rectangles holding the part of `rect` that the back buffer shows otherwise than the
// screen last did, in logical pixels: what the window repaints when `rect` is invalidated.
// A new back buffer counts as shown: the window's next paint, which shows it whole, follows.
QRegion unshownPart(const QRect& rect);
// The window has copied `region` of the back buffer to the screen.
void markShown(const QRegion& region);
