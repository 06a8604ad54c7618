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

std::string& failureText() {
    static std::string failure;
    return failure;
}

// The places below are the table's left to right; a right-to-left language sees them mirrored,
// each text ending where it would begin.
Rect place(Rect rect) {
    return TableLayout::mirrored(rect, tableDirection());
}

Point textPlace(Point cell, std::string_view text) {
    return TableLayout::mirroredTopLeft(cell, textWidth(text), tableDirection());
}

void drawLabel(Point cell, Caption caption) {
    const std::string text = captionText(caption);
    canvasLabel(textPlace(cell, text), text);
}

void drawFigure(Figure figure, Point cell, std::int32_t value) {
    canvasFigure(figure, textPlace(cell, figureText(value)), value);
}

void drawHandLabels() {
    drawLabel(TableLayout::dealerLabel, Caption::dealersHand);
    drawLabel(TableLayout::playerLabel, Caption::playersHand);
}

void drawMoneyBox() {
    drawLabel(TableLayout::moneyLabel, Caption::money);
    std::array<Point, TableLayout::moneyFrame.size()> frame = TableLayout::moneyFrame;
    for (Point& point : frame) {
        point = TableLayout::mirrored(point, tableDirection());
    }
    canvasLines(frame);
}

void drawCountRow(std::int32_t row, Caption label, Figure figure, std::int32_t value) {
    const std::int32_t y = TableLayout::countRect.top + row * TableLayout::countRowStep;
    drawLabel({TableLayout::countLabelColumn, y}, label);
    drawFigure(figure, {TableLayout::countFigureColumn, y}, value);
}

void drawCountPanel(const TableState& table) {
    canvasClear(Area::countPanel, place(TableLayout::countRect));
    const CountFigures figures = countFigures(table);
    drawCountRow(0, Caption::dealersCount, Figure::dealerCount, figures.dealer);
    drawCountRow(1, Caption::playersCount, Figure::playerCount, figures.player);
    if (figures.splitRow) {
        drawCountRow(2, Caption::splitCount, Figure::splitCount, figures.split);
    }
}

void drawMoneyPanel(const TableState& table) {
    canvasClear(Area::moneyPanel, place(TableLayout::moneyRect));
    drawFigure(Figure::bank, TableLayout::moneyFigure, table.bank);
}

void drawBetPanel(const TableState& table) {
    canvasClear(Area::betPanel, place(TableLayout::betRect));
    drawLabel(TableLayout::betPanelOrigin, Caption::currentBet);
    drawFigure(Figure::bet, TableLayout::betFigure, table.bet);
}

// The badge of the hand's result, when it has one, after its last card.
void drawBadge(const TableState& table, HandId hand, RoundEnd end) {
    if (const std::optional<HandResult> result = settlement(table, hand, end).result) {
        const BadgeKind kind = resultBadge(*result);
        const std::int32_t width = canvasBadgeWidth(kind);
        canvasBadge(hand, kind,
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

bool createTableSurface(const TableState& table, double scale) {
    std::string& failure = failureText();
    failure.clear();
    if (!loadTextFont()) {
        failure = "the text font";
    }
    openCanvas(drawableScale(scale), failure);

    drawHandLabels();
    drawMoneyBox();
    drawCountPanel(table);
    drawMoneyPanel(table);
    drawBetPanel(table);
    return failure.empty();
}

const std::string& tableSurfaceFailure() {
    return failureText();
}

void rescaleTableSurface(double requested) {
    const double scale = drawableScale(requested);
    if (canvasReady() && scale != tableSurfaceScale()) {
        redrawCanvas(scale);
    }
}

void TablePainter::clearTable() {
    canvasClear(Area::cardArea, place(TableLayout::tableRect));
    drawHandLabels();
}

void TablePainter::paintCounts() {
    drawCountPanel(table_);
}

void TablePainter::paintMoney() {
    drawMoneyPanel(table_);
}

void TablePainter::paintBet() {
    drawBetPanel(table_);
}

void TablePainter::paintSplitLabel() {
    canvasSplitLabel(textPlace(TableLayout::splitLabel, captionText(Caption::splitHand)));
}

void TablePainter::paintNextCard(HandId hand, const NextCard& next) {
    canvasCard(hand, next,
               TableLayout::mirroredTopLeft(cardPosition(hand, next.slot), SheetGeometry::cardWidth,
                                            tableDirection()));
}

void TablePainter::paintResults(ResultTarget target, RoundEnd end) {
    drawBadge(table_, DealerHandId, end);
    if (target == ResultBoth || target == ResultPlayer) {
        drawBadge(table_, PlayerHandId, end);
    }
    if (target != ResultPlayer) {
        drawBadge(table_, SplitHandId, end);
    }
}
