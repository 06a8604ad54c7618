#pragma once

#include "game/table_state.h"
#include "game/table_view.h"

#include <string>

struct Canvas;

// Builds the canvas's 800 x 600 back buffer at the screen's device pixel ratio `scale` and its two
// sprite-sheet surfaces, draws the hand labels, the "Money" label and its frame, then paints the
// count, money and bet panels from `table`. Returns false when a sprite sheet or the
// text font cannot be loaded; the table is then drawn with blank stand-ins and
// tableSurfaceFailure(canvas) names what is missing. Needs the GUI application object to exist,
// since the fonts are registered with it. releaseTableSurface (canvas.h) releases it all.
bool createTableSurface(Canvas& canvas, const TableState& table, double scale = 1.0);
// What the last createTableSurface of `canvas` could not load, e.g. "the image resource
// IDBCARDBITMAP"; empty when it loaded everything.
const std::string& tableSurfaceFailure(const Canvas& canvas);

// The device pixel ratio the table is drawn at for a screen of ratio `requested`: the ratio
// itself from 1 to 4, else the nearest of those (below 1 the table's one-pixel lines and small
// letters cannot be drawn; above 4 the back buffer would outgrow any screen). Says so once on
// standard error when it differs.
double drawableScale(double requested);
// Draws the canvas's back buffer again at the drawable ratio for `requested`, showing exactly what
// it shows, as if the round had been drawn at that ratio from the start; the round is not touched.
void rescaleTableSurface(Canvas& canvas, double requested);

// Draws every change of a round of `table` into the back buffer of `canvas`, reading the table and
// never changing it. The window operations (enabling buttons, invalidating and updating) belong to
// the window, which derives from this.
class TablePainter : public TableView {
  public:
    TablePainter(Canvas& canvas, const TableState& table) : canvas_(canvas), table_(table) {}

    void clearTable() override;
    void paintCounts() override;
    void paintMoney() override;
    void paintBet() override;
    void paintSplitLabel() override;
    void paintNextCard(HandId hand, const NextCard& next) override;
    void paintResults(ResultTarget target, RoundEnd end) override;

  protected:
    Canvas& canvas() const { return canvas_; }

  private:
    Canvas& canvas_;
    const TableState& table_;
};
