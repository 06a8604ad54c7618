#pragma once

#include "game/table_layout.h"
#include "game/table_state.h"
#include "raster/sprite_sheet.h"
#include "raster/surface.h"
#include "render/art/badges.h"
#include "render/drawing_record.h"

#include <QRect>
#include <QRegion>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One table's picture: its back buffer, the two sprite sheets it copies from, and the one record of
// what is drawn on it. Every canvas operation below draws into a canvas's back buffer and is kept
// in its record, named for what it draws. Nothing is drawn or kept before openCanvas and after
// releaseTableSurface. The window owns one beside its table state and hands it to whatever draws
// or reads the table; a test or a bench holds its own, so two tables can be drawn side by side.

inline constexpr Rgb tableGreen{0, 128, 0};

// What a canvas holds; only the functions below and those of table_surface.h read and change it.
// The sheets belong to the canvas rather than to the program: each keeps the sprites it has drawn
// at this back buffer's device pixel ratio, which another canvas may not share.
struct Canvas {
    Canvas() = default;
    Canvas(const Canvas&) = delete; // the painters and the window keep a reference to it
    Canvas& operator=(const Canvas&) = delete;

    std::unique_ptr<Surface> backBuffer;
    std::unique_ptr<SpriteSheet> cards;
    std::unique_ptr<SpriteSheet> results;
    // How wide each badge of the result sheet is, in the player's language.
    BadgeWidths badgeWidths = SheetGeometry::badgeCopyWidths;
    std::vector<DrawOp> kept;
    // Where the back buffer may be other than the table's green: the fills clear only this.
    std::vector<QRect> inked;
    // What was drawn since the screen last showed it.
    std::vector<QRect> unshown;
    // What the last createTableSurface could not load (table_surface.h).
    std::string failure;
};

// The back buffer, filled with the table's green, and the two sprite sheets, which are decoded
// when first drawn from; `failure` names a sheet that is missing or not of its size (one that
// cannot be decoded is replaced by a white one of its size).
void openCanvas(Canvas& canvas, double scale, std::string& failure);
// Releases the back buffer and the sheets; the window calls it when it is destroyed.
void releaseTableSurface(Canvas& canvas);
bool canvasReady(const Canvas& canvas);

void canvasClear(Canvas& canvas, Area area, Rect rect); // the table's green
void canvasLabel(Canvas& canvas, Point cellTopLeft, std::string_view text);
void canvasSplitLabel(Canvas& canvas, Point cellTopLeft);
void canvasFigure(Canvas& canvas, Figure figure, Point cellTopLeft, std::int32_t value);
void canvasCard(Canvas& canvas, HandId hand, const NextCard& next, Point topLeft);
// How wide the badge is drawn: as in English, or wider where the player's language needs it.
std::int32_t canvasBadgeWidth(const Canvas& canvas, BadgeKind badge);
void canvasBadge(Canvas& canvas, HandId hand, BadgeKind badge, Point topLeft);
void canvasLines(Canvas& canvas, std::span<const Point> points); // 2-pixel solid white

// The operations kept, oldest first; empty before openCanvas. What a later opaque operation
// covers entirely is no longer kept.
std::span<const DrawOp> keptOperations(const Canvas& canvas);

// Draws every kept operation again, in order, into a new back buffer at `scale`.
void redrawCanvas(Canvas& canvas, double scale);

// Draws, at the back buffer's ratio, what the first deal of `table` would otherwise draw for the
// first time (its four cards, the card back, the badges, the letters of the figures), so that it
// is as quick as any later one.
// The window calls it once, in idle time after its first frame.
void prepareTableArt(Canvas& canvas, const TableState& table);

// The picture the window copies to the screen on every paint; an empty one when there is none.
const Surface& backBuffer(const Canvas& canvas);
// The device pixel ratio the back buffer is drawn at.
double tableSurfaceScale(const Canvas& canvas);

// A few rectangles holding the part of `rect` that the back buffer shows otherwise than the
// screen last did, in logical pixels: what the window repaints when `rect` is invalidated.
// A new back buffer counts as shown: the window's next paint, which shows it whole, follows.
QRegion unshownPart(const Canvas& canvas, const QRect& rect);
// The window has copied `region` of the back buffer to the screen.
void markShown(Canvas& canvas, const QRegion& region);
