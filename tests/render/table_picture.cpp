#include "table_picture.h"

#include "game/actions.h"
#include "game/bets.h"
#include "game/deal.h"
#include "raster/drawing.h"
#include "raster/text.h"
#include "render/placement.h"
#include "tests/support/table_fixture.h"

#include <map>
#include <sstream>
#include <string>

void PaintingView::paintResults(ResultTarget target, RoundEnd end) {
    beforeResults = backBuffer(canvas()).image().copy();
    TablePainter::paintResults(target, end);
}

void TablePicture::SetUp() {
    resetTable(table);
    ASSERT_TRUE(createTableSurface(canvas, table));
}

void TablePicture::TearDown() {
    releaseTableSurface(canvas);
}

void TablePicture::play(std::string_view draws, std::string_view buttons, std::uint32_t seed) {
    std::vector<Card> arranged;
    std::istringstream names{std::string(draws)};
    for (std::string name; names >> name;) {
        arranged.push_back(card(name.c_str()));
    }
    if (!arranged.empty()) {
        arrangeShoe(table, arranged, seed);
    }
    static const std::map<char, void (*)(TableState&, TableView&)> handlers{
        {'D', onDeal},   {'H', onHit},    {'S', onStand},   {'X', onDouble},  {'P', onSplit},
        {'1', onBetOne}, {'T', onBetTen}, {'5', onBetFive}, {'C', onClearBet}};
    for (const char button : buttons) {
        handlers.at(button)(table, view);
    }
}

QImage textPatch(QSize size, const std::vector<TextItem>& items) {
    Surface patch(size.width(), size.height());
    fillRect(patch, {0, 0, size.width(), size.height()}, Rgb{0, 128, 0});
    for (const auto& [at, text] : items) {
        drawText(patch, {at.x(), at.y()}, text);
    }
    return patch.image().copy();
}

QImage countPanel(std::string_view dealer, std::string_view player, std::string_view split) {
    std::vector<TextItem> rows{{{10, 0}, "Dealers Count"},
                               {{120, 0}, dealer},
                               {{10, 20}, "Players Count"},
                               {{120, 20}, player}};
    if (!split.empty()) {
        rows.insert(rows.end(), {{{10, 40}, "Split Count"}, {{120, 40}, split}});
    }
    return textPatch({150, 65}, rows);
}

QImage sheetImage(std::string_view name) {
    const auto sheet = loadImageResource(name);
    return sheet ? sheet->image().copy() : QImage();
}

QImage cardCellImage(std::string_view name, int width) {
    const bool back = name == "back";
    const QRect cell =
        spriteRect(cardSprite(back, back ? Card{} : card(std::string(name).c_str())));
    return sheetImage("IDBCARDBITMAP").copy(cell.x(), cell.y(), width, cell.height());
}

bool holds(const QImage& picture, QPoint at, const QImage& part) {
    return !part.isNull() && picture.copy(QRect(at, part.size())) == part;
}

QRect inkBox(const QImage& picture) {
    QRect box;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == qRgb(0, 0, 0)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}
