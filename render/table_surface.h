#pragma once

#include "game/table_view.h"

#include <string>

class Surface;

// Builds the 800 x 600 back buffer and the two sprite-sheet surfaces, draws the hand labels,
// the "Money" label and its frame, then paints the count, money and bet panels from the table
// state. Returns false when a sprite sheet or the text font cannot be loaded; the table is then
// drawn with blank stand-ins and tableSurfaceFailure() names what is missing. Needs the GUI
// application object to exist, since the text font is registered with it.
bool createTableSurface();
// What the last createTableSurface could not load, e.g. "the image resource IDBCARDBITMAP";
// empty when it loaded everything.
const std::string& tableSurfaceFailure();
// Releases the back buffer and the sheets; the window calls it when it is destroyed.
void releaseTableSurface();

// The picture the window copies to the screen on every paint.
const Surface& backBuffer();

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
