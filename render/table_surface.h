#pragma once

#include "game/table_view.h"

#include <QRegion>

#include <string>

class Surface;

// Builds the 800 x 600 back buffer at the screen's device pixel ratio `scale` and the two
// sprite-sheet surfaces, draws the hand labels, the "Money" label and its frame, then paints the
// count, money and bet panels from the table state. Returns false when a sprite sheet or the
// text font cannot be loaded; the table is then drawn with blank stand-ins and
// tableSurfaceFailure() names what is missing. Needs the GUI application object to exist, since
// the fonts are registered with it.
bool createTableSurface(double scale = 1.0);
// What the last createTableSurface could not load, e.g. "the image resource IDBCARDBITMAP";
// empty when it loaded everything.
const std::string& tableSurfaceFailure();
// Releases the back buffer and the sheets; the window calls it when it is destroyed.
void releaseTableSurface();

// The device pixel ratio the table is drawn at for a screen of ratio `requested`: the ratio
// itself from 1 to 4, else the nearest of those (below 1 the table's one-pixel lines and small
// letters cannot be drawn; above 4 the back buffer would outgrow any screen). Says so once on
// standard error when it differs.
double drawableScale(double requested);
// The device pixel ratio the back buffer is drawn at.
double tableSurfaceScale();
// Draws the back buffer again at the drawable ratio for `requested`, showing exactly what it
// shows, as if the round had been drawn at that ratio from the start; the round is not touched.
void rescaleTableSurface(double requested);

// Draws, at the back buffer's ratio, what the first deal would otherwise draw for the first time
// (its four cards, the card back, the badges, the letters of the figures), so that it is as
// quick as any later one.
// The window calls it once, in idle time after its first frame.
void prepareTableArt();

// The picture the window copies to the screen on every paint.
const Surface& backBuffer();
// A few rectangles holding the part of `rect` that the back buffer shows otherwise than the
// screen last did, in logical pixels: what the window repaints when `rect` is invalidated.
// A new back buffer counts as shown: the window's next paint, which shows it whole, follows.
QRegion unshownPart(const QRect& rect);
// The window has copied `region` of the back buffer to the screen.
void markShown(const QRegion& region);

// Draws every change of a round into the back buffer. The window operations (enabling buttons,
// invalidating and updating) belong to the window, which derives from this.
class TablePainter : public TableView {
  public:
    void clearTable() override;
    void paintCounts() override;
    void paintMoney() override;
    void paintBet() override;
    void paintSplitLabel() override;
    void paintNextCard(HandId hand) override;
    void paintResults(ResultTarget target, int naturalCheck) override;
};
