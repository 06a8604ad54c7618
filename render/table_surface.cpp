#include "render/table_surface.h"

#include "game/table_layout.h"
#include "game/table_state.h"
#include "game/table_view_state.h"
#include "raster/text.h"
#include "render/placement.h"
#include "render/surfaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace {
constexpr double smallestScale = 1.0;
constexpr double largestScale = 4.0;

std::string& failureText() {
    static std::string failure;
    return failure;
}

void drawHandLabels() {
    canvasLabel(TableLayout::dealerLabel, "Dealers Hand");
    canvasLabel(TableLayout::playerLabel, "Players Hand");
}

void drawMoneyBox() {
    canvasLabel(TableLayout::moneyLabel, "Money");
    canvasLines(TableLayout::moneyFrame);
}

void drawCountRow(std::int32_t row, std::string_view label, Figure figure, std::int32_t value) {
    const std::int32_t y = TableLayout::countRect.top + row * TableLayout::countRowStep;
    canvasLabel({TableLayout::countLabelColumn, y}, label);
    canvasFigure(figure, {TableLayout::countFigureColumn, y}, value);
}
} // namespace

const Surface& backBuffer() {
    static const Surface none(0, 0);
    const Surface* back = canvasSurface();
    return back ? *back : none;
}

QRegion unshownPart(const QRect& rect) {
    return canvasUnshown(rect);
}

void markShown(const QRegion& region) {
    canvasShown(region);
}

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

bool createTableSurface(double scale) {
    std::string& failure = failureText();
    failure.clear();
    if (!loadTextFont()) {
        failure = "the text font";
    }
    openCanvas(drawableScale(scale), failure);

    drawHandLabels();
    drawMoneyBox();
    paintCountPanel();
    paintMoneyPanel();
    paintBetPanel();
    return failure.empty();
}

const std::string& tableSurfaceFailure() {
    return failureText();
}

void releaseTableSurface() {
    closeCanvas();
}

double tableSurfaceScale() {
    const Surface* back = canvasSurface();
    return back ? back->scale() : 1.0;
}

void rescaleTableSurface(double requested) {
    const double scale = drawableScale(requested);
    if (canvasReady() && scale != tableSurfaceScale()) {
        redrawCanvas(scale);
    }
}

void prepareTableArt() {
    prepareCanvas();
}

void paintCountPanel() {
    canvasClear(Area::countPanel, TableLayout::countRect);
    const CountFigures figures = countFigures();
    drawCountRow(0, "Dealers Count", Figure::dealerCount, figures.dealer);
    drawCountRow(1, "Players Count", Figure::playerCount, figures.player);
    if (figures.splitRow) {
        drawCountRow(2, "Split Count", Figure::splitCount, figures.split);
    }
}

void paintMoneyPanel() {
    canvasClear(Area::moneyPanel, TableLayout::moneyRect);
    canvasFigure(Figure::bank, TableLayout::moneyFigure, table.bank);
}

void paintBetPanel() {
    canvasClear(Area::betPanel, TableLayout::betRect);
    canvasLabel(TableLayout::betPanelOrigin, "Current Bet");
    canvasFigure(Figure::bet, TableLayout::betFigure, table.bet);
}

void TablePainter::clearTable() {
    canvasClear(Area::cardArea, TableLayout::tableRect);
    drawHandLabels();
}

void TablePainter::paintCounts() {
    paintCountPanel();
}
void TablePainter::paintMoney() {
    paintMoneyPanel();
}
void TablePainter::paintBet() {
    paintBetPanel();
}

void TablePainter::paintSplitLabel() {
    canvasSplitLabel(TableLayout::splitLabel);
}
