#include "render/table_surface.h"

#include "game/table_state.h"
#include "game/table_view_state.h"
#include "platform/text.h"
#include "render/layout.h"
#include "render/placement.h"
#include "render/surfaces.h"

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

TableContent& content() {
    static TableContent shown;
    return shown;
}

PixelRect toPixelRect(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

PixelPoint moneyBoxAt(std::int32_t dx, std::int32_t dy) {
    return {TableLayout::moneyBoxOrigin.x + dx, TableLayout::moneyBoxOrigin.y + dy};
}

void drawHandLabels() {
    canvasText({10, 5}, "Dealers Hand");
    canvasText({10, 145}, "Players Hand");
}

void drawMoneyBox() {
    canvasText(moneyBoxAt(10, 5), "Money");
    // An open frame: the gap in its top edge holds the label.
    const std::array<PixelPoint, 6> frame{moneyBoxAt(58, 14), moneyBoxAt(65, 14),
                                          moneyBoxAt(65, 60), moneyBoxAt(0, 60),
                                          moneyBoxAt(0, 13),  moneyBoxAt(5, 14)};
    canvasLines(frame);
}

void drawCountRow(std::int32_t row, std::string_view label, std::int32_t figure) {
    const std::int32_t y = countRect.top + row * countRowStep;
    canvasText({countRect.left + 10, y}, label);
    canvasText({countRect.left + countFigureColumn, y}, figureText(figure));
}
} // namespace

TableContent& shownContent() {
    return content();
}

const TableContent& tableContent() {
    return content();
}

ShownHand& shownHand(HandId hand) {
    switch (hand) {
    case PlayerHandId:
        return content().player;
    case SplitHandId:
        return content().split;
    default:
        return content().dealer;
    }
}

const Surface& backBuffer() {
    static const Surface none(0, 0);
    const Surface* back = canvasSurface();
    return back ? *back : none;
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
    content() = TableContent{};

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
    content() = TableContent{};
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

void paintCountPanel() {
    if (!canvasReady()) {
        return;
    }
    canvasFill(countRect, tableGreen);
    const CountFigures figures = countFigures();
    content().counts = figures;
    drawCountRow(0, "Dealers Count", figures.dealer);
    drawCountRow(1, "Players Count", figures.player);
    if (figures.splitRow) {
        drawCountRow(2, "Split Count", figures.split);
    }
}

void paintMoneyPanel() {
    if (!canvasReady()) {
        return;
    }
    canvasFill(toPixelRect(moneyRect), tableGreen);
    canvasText(moneyBoxAt(18, 29), figureText(table.bank));
    content().bank = table.bank;
}

void paintBetPanel() {
    if (!canvasReady()) {
        return;
    }
    canvasFill(toPixelRect(betRect), tableGreen);
    const TableLayout::Point panel = TableLayout::betPanelOrigin;
    canvasText({panel.x, panel.y}, "Current Bet");
    canvasText({panel.x + 85, panel.y}, figureText(table.bet));
    content().bet = table.bet;
}

void TablePainter::clearTable() {
    if (!canvasReady()) {
        return;
    }
    canvasFill(toPixelRect(tableRect), tableGreen);
    drawHandLabels();
    // the card area holds the count panel too
    TableContent& shown = content();
    shown.dealer = {};
    shown.player = {};
    shown.split = {};
    shown.splitLabel = false;
    shown.counts.reset();
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
    if (canvasReady()) {
        canvasText({300, 155}, "Split Hand");
        content().splitLabel = true;
    }
}
