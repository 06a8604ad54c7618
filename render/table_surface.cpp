#include "render/table_surface.h"

#include "game/table_state.h"
#include "game/table_view_state.h"
#include "platform/drawing.h"
#include "platform/text.h"
#include "render/layout.h"
#include "render/placement.h"
#include "render/surfaces.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace {
struct TableSurfaces {
    std::unique_ptr<Surface> backBuffer;
    std::unique_ptr<Surface> cardSheet;
    std::unique_ptr<Surface> resultSheet;
    std::string failure;
};

TableSurfaces& surfaces() {
    static TableSurfaces all;
    return all;
}

TableContent& content() {
    static TableContent shown;
    return shown;
}

constexpr PixelRect countRect{0, 275, 150, 340};
constexpr std::int32_t countFigureColumn = 120;
constexpr std::int32_t countRowStep = 20;

PixelRect toPixelRect(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

PixelPoint moneyBoxAt(std::int32_t dx, std::int32_t dy) {
    return {TableLayout::moneyBoxOrigin.x + dx, TableLayout::moneyBoxOrigin.y + dy};
}

void text(PixelPoint at, std::string_view what) {
    drawText(*backBufferSurface(), at, what);
}

void drawHandLabels() {
    text({10, 5}, "Dealers Hand");
    text({10, 145}, "Players Hand");
}

void drawMoneyBox() {
    text(moneyBoxAt(10, 5), "Money");
    // An open frame: the gap in its top edge holds the label.
    const std::array<PixelPoint, 6> frame{moneyBoxAt(58, 14), moneyBoxAt(65, 14),
                                          moneyBoxAt(65, 60), moneyBoxAt(0, 60),
                                          moneyBoxAt(0, 13),  moneyBoxAt(5, 14)};
    drawWhitePolyline(*backBufferSurface(), frame);
}

void drawCountRow(std::int32_t row, std::string_view label, std::int32_t figure) {
    const std::int32_t y = countRect.top + row * countRowStep;
    text({countRect.left + 10, y}, label);
    text({countRect.left + countFigureColumn, y}, figureText(figure));
}

void noteFailure(std::string& failure, std::string_view what) {
    failure += failure.empty() ? "" : ", ";
    failure += what;
}

// A sheet that cannot be loaded, or that is not of its size, is replaced by a white one of its
// size, so the table still draws; createTableSurface reports the failure.
std::unique_ptr<Surface> loadSheet(std::string_view name, std::int32_t width, std::int32_t height,
                                   std::string& failure) {
    if (auto sheet = loadImageResource(name)) {
        if (sheet->width() == width && sheet->height() == height) {
            return sheet;
        }
    }
    noteFailure(failure, "the image resource " + std::string(name));
    auto blank = std::make_unique<Surface>(width, height);
    fillRect(*blank, {0, 0, width, height}, Rgb{255, 255, 255});
    return blank;
}
} // namespace

Surface* backBufferSurface() {
    return surfaces().backBuffer.get();
}
const Surface* cardSheet() {
    return surfaces().cardSheet.get();
}
const Surface* resultSheet() {
    return surfaces().resultSheet.get();
}

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
    const Surface* back = backBufferSurface();
    return back ? *back : none;
}

bool createTableSurface() {
    TableSurfaces& all = surfaces();
    all.failure.clear();
    if (!loadTextFont()) {
        noteFailure(all.failure, "the text font");
    }
    all.backBuffer =
        std::make_unique<Surface>(TableLayout::backBufferWidth, TableLayout::backBufferHeight);
    fillRect(*all.backBuffer, {0, 0, TableLayout::backBufferWidth, TableLayout::backBufferHeight},
             tableGreen);
    all.cardSheet = loadSheet("IDBCARDBITMAP", 4 * TableLayout::cardWidth,
                              14 * TableLayout::cardHeight, all.failure);
    all.resultSheet = loadSheet("IDBRESULTSBITMAP", TableLayout::naturalBadgeWidth,
                                5 * TableLayout::badgeHeight, all.failure);
    content() = TableContent{};

    drawHandLabels();
    drawMoneyBox();
    paintCountPanel();
    paintMoneyPanel();
    paintBetPanel();
    return all.failure.empty();
}

const std::string& tableSurfaceFailure() {
    return surfaces().failure;
}

void releaseTableSurface() {
    surfaces().backBuffer.reset();
    surfaces().cardSheet.reset();
    surfaces().resultSheet.reset();
    content() = TableContent{};
}

void paintCountPanel() {
    if (!backBufferSurface()) {
        return;
    }
    fillRect(*backBufferSurface(), countRect, tableGreen);
    const CountFigures figures = countFigures();
    content().counts = figures;
    drawCountRow(0, "Dealers Count", figures.dealer);
    drawCountRow(1, "Players Count", figures.player);
    if (figures.splitRow) {
        drawCountRow(2, "Split Count", figures.split);
    }
}

void paintMoneyPanel() {
    if (!backBufferSurface()) {
        return;
    }
    fillRect(*backBufferSurface(), toPixelRect(moneyRect), tableGreen);
    text(moneyBoxAt(18, 29), figureText(table.bank));
    content().bank = table.bank;
}

void paintBetPanel() {
    if (!backBufferSurface()) {
        return;
    }
    fillRect(*backBufferSurface(), toPixelRect(betRect), tableGreen);
    const TableLayout::Point panel = TableLayout::betPanelOrigin;
    text({panel.x, panel.y}, "Current Bet");
    text({panel.x + 85, panel.y}, figureText(table.bet));
    content().bet = table.bet;
}

void TablePainter::clearTable() {
    if (!backBufferSurface()) {
        return;
    }
    fillRect(*backBufferSurface(), toPixelRect(tableRect), tableGreen);
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
    if (backBufferSurface()) {
        text({300, 155}, "Split Hand");
        content().splitLabel = true;
    }
}
