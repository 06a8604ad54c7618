#include "render/table_surface.h"

#include "game/table_state.h"
#include "game/table_view_state.h"
#include "raster/text.h"
#include "render/layout.h"
#include "render/placement.h"
#include "render/surfaces.h"
#include "render/words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace {
constexpr PixelRect countRect{0, 275, 150, 340};
constexpr std::int32_t countFigureColumn = 120;
constexpr std::int32_t countRowStep = 20;
constexpr double smallestScale = 1.0;
constexpr double largestScale = 4.0;

std::string& failureText() {
    static std::string failure;
    return failure;
}

PixelRect toPixelRect(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

PixelPoint moneyBoxAt(std::int32_t dx, std::int32_t dy) {
    return {TableLayout::moneyBoxOrigin.x + dx, TableLayout::moneyBoxOrigin.y + dy};
}

void drawHandLabels() {
    canvasLabel({10, 5}, captionText(Caption::dealersHand));
    canvasLabel({10, 145}, captionText(Caption::playersHand));
}

void drawMoneyBox() {
    canvasLabel(moneyBoxAt(10, 5), captionText(Caption::money));
    // An open frame: the gap in its top edge holds the label.
    const std::array<PixelPoint, 6> frame{moneyBoxAt(58, 14), moneyBoxAt(65, 14),
                                          moneyBoxAt(65, 60), moneyBoxAt(0, 60),
                                          moneyBoxAt(0, 13),  moneyBoxAt(5, 14)};
    canvasLines(frame);
}

void drawCountRow(std::int32_t row, Caption label, Figure figure, std::int32_t value) {
    const std::int32_t y = countRect.top + row * countRowStep;
    canvasLabel({countRect.left + 10, y}, captionText(label));
    canvasFigure(figure, {countRect.left + countFigureColumn, y}, value);
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
    canvasClear(Area::countPanel, countRect);
    const CountFigures figures = countFigures();
    drawCountRow(0, Caption::dealersCount, Figure::dealerCount, figures.dealer);
    drawCountRow(1, Caption::playersCount, Figure::playerCount, figures.player);
    if (figures.splitRow) {
        drawCountRow(2, Caption::splitCount, Figure::splitCount, figures.split);
    }
}

void paintMoneyPanel() {
    canvasClear(Area::moneyPanel, toPixelRect(moneyRect));
    canvasFigure(Figure::bank, moneyBoxAt(18, 29), table.bank);
}

void paintBetPanel() {
    canvasClear(Area::betPanel, toPixelRect(betRect));
    const TableLayout::Point panel = TableLayout::betPanelOrigin;
    canvasLabel({panel.x, panel.y}, captionText(Caption::currentBet));
    canvasFigure(Figure::bet, {panel.x + 85, panel.y}, table.bet);
}

void TablePainter::clearTable() {
    canvasClear(Area::cardArea, toPixelRect(tableRect));
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
    canvasSplitLabel({300, 155});
}
