#include "render/table_surface.h"

#include "game/table_layout.h"
#include "game/table_view_state.h"
#include "raster/text.h"
#include "render/canvas.h"
#include "render/placement.h"
#include "render/words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {
constexpr double smallestScale = 1.0;
constexpr double largestScale = 4.0;

// The places below are the table's left to right; a right-to-left language sees them mirrored,
// each text ending where it would begin.
Rect place(Rect rect) {
    return TableLayout::mirrored(rect, tableDirection());
}

// Only a mirrored text needs its width, which is measured with the pixel font: a screen drawing
// smoothed letters left to right never loads that font.
Point textPlace(Point cell, std::string_view text) {
    const TableLayout::Direction direction = tableDirection();
    return direction == TableLayout::Direction::leftToRight
               ? cell
               : TableLayout::mirroredTopLeft(cell, textWidth(text), direction);
}

void drawLabel(Canvas& canvas, Point cell, Caption caption) {
    const std::string text = captionText(caption);
    canvasLabel(canvas, textPlace(cell, text), text);
}

void drawFigure(Canvas& canvas, Figure figure, Point cell, std::int32_t value) {
    canvasFigure(canvas, figure, textPlace(cell, figureText(value)), value);
}

void drawHandLabels(Canvas& canvas) {
    drawLabel(canvas, TableLayout::dealerLabel, Caption::dealersHand);
    drawLabel(canvas, TableLayout::playerLabel, Caption::playersHand);
}

void drawMoneyBox(Canvas& canvas) {
    drawLabel(canvas, TableLayout::moneyLabel, Caption::money);
    std::array<Point, TableLayout::moneyFrame.size()> frame = TableLayout::moneyFrame;
    for (Point& point : frame) {
        point = TableLayout::mirrored(point, tableDirection());
    }
    canvasLines(canvas, frame);
}

void drawCountRow(Canvas& canvas, std::int32_t row, Caption label, Figure figure,
                  std::int32_t value) {
    const std::int32_t y = TableLayout::countRect.top + row * TableLayout::countRowStep;
    drawLabel(canvas, {TableLayout::countLabelColumn, y}, label);
    drawFigure(canvas, figure, {TableLayout::countFigureColumn, y}, value);
}

void drawCountPanel(Canvas& canvas, const TableState& table) {
    canvasClear(canvas, Area::countPanel, place(TableLayout::countRect));
    const CountFigures figures = countFigures(table);
    drawCountRow(canvas, 0, Caption::dealersCount, Figure::dealerCount, figures.dealer);
    drawCountRow(canvas, 1, Caption::playersCount, Figure::playerCount, figures.player);
    if (figures.splitRow) {
        drawCountRow(canvas, 2, Caption::splitCount, Figure::splitCount, figures.split);
    }
}

void drawMoneyPanel(Canvas& canvas, const TableState& table) {
    canvasClear(canvas, Area::moneyPanel, place(TableLayout::moneyRect));
    drawFigure(canvas, Figure::bank, TableLayout::moneyFigure, table.bank);
}

void drawBetPanel(Canvas& canvas, const TableState& table) {
    canvasClear(canvas, Area::betPanel, place(TableLayout::betRect));
    drawLabel(canvas, TableLayout::betPanelOrigin, Caption::currentBet);
    drawFigure(canvas, Figure::bet, TableLayout::betFigure, table.bet);
}

// The badge of the hand's result, when it has one, after its last card.
void drawBadge(Canvas& canvas, const TableState& table, HandId hand, RoundEnd end) {
    if (const std::optional<HandResult> result = settlement(table, hand, end).result) {
        const BadgeKind kind = resultBadge(*result);
        const std::int32_t width = canvasBadgeWidth(canvas, kind);
        canvasBadge(canvas, hand, kind,
                    TableLayout::mirroredTopLeft(
                        badgePosition(hand, handState(table, hand).slot, kind, width), width,
                        tableDirection()));
    }
}
} // namespace

double drawableScale(double requested) {
    const double drawable = std::isfinite(requested)
                                ? std::clamp(requested, smallestScale, largestScale)
                                : smallestScale;
    static bool said = false;
    if (drawable != requested && !said) {
        said = true;
        std::fprintf(stderr,
                     "Quorvel: the table cannot be drawn at a device pixel ratio of %g; it is "
                     "drawn at %g instead.\n",
                     requested, drawable);
    }
    return drawable;
}

bool createTableSurface(Canvas& canvas, const TableState& table, double scale) {
    std::string& failure = canvas.failure;
    failure.clear();
    if (!loadTextFont()) {
        failure = "the text font";
    }
    openCanvas(canvas, drawableScale(scale), failure);

    drawHandLabels(canvas);
    drawMoneyBox(canvas);
    drawCountPanel(canvas, table);
    drawMoneyPanel(canvas, table);
    drawBetPanel(canvas, table);
    return failure.empty();
}

const std::string& tableSurfaceFailure(const Canvas& canvas) {
    return canvas.failure;
}

void rescaleTableSurface(Canvas& canvas, double requested) {
    const double scale = drawableScale(requested);
    if (canvasReady(canvas) && scale != tableSurfaceScale(canvas)) {
        redrawCanvas(canvas, scale);
    }
}

void TablePainter::clearTable() {
    canvasClear(canvas_, Area::cardArea, place(TableLayout::tableRect));
    drawHandLabels(canvas_);
}

void TablePainter::paintCounts() {
    drawCountPanel(canvas_, table_);
}

void TablePainter::paintMoney() {
    drawMoneyPanel(canvas_, table_);
}

void TablePainter::paintBet() {
    drawBetPanel(canvas_, table_);
}

void TablePainter::paintSplitLabel() {
    canvasSplitLabel(canvas_, textPlace(TableLayout::splitLabel, captionText(Caption::splitHand)));
}

void TablePainter::paintNextCard(HandId hand, const NextCard& next) {
    canvasCard(canvas_, hand, next,
               TableLayout::mirroredTopLeft(cardPosition(hand, next.slot), SheetGeometry::cardWidth,
                                            tableDirection()));
}

void TablePainter::paintResults(ResultTarget target, RoundEnd end) {
    drawBadge(canvas_, table_, DealerHandId, end);
    if (target == ResultBoth || target == ResultPlayer) {
        drawBadge(canvas_, table_, PlayerHandId, end);
    }
    if (target != ResultPlayer) {
        drawBadge(canvas_, table_, SplitHandId, end);
    }
}
