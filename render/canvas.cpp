#include "platform/drawing.h"
#include "platform/sprite_sheet.h"
#include "platform/text.h"
#include "render/art/badges.h"
#include "render/art/card_sheet.h"
#include "render/art/fonts.h"
#include "render/layout.h"
#include "render/surfaces.h"

#include <QImage>

#include <memory>
#include <string>
#include <vector>

namespace {
struct DrawOp {
    enum class Kind { fill, text, sprite, lines };
    Kind kind = Kind::fill;
    PixelRect area; // what it covers (fill, sprite) or the most it can touch (lines)
    Rgb colour;
    PixelPoint at;
    SheetId sheet = SheetId::cards;
    PixelRect part;
    std::string text;
    std::vector<PixelPoint> points;
};

struct Canvas {
    std::unique_ptr<Surface> backBuffer;
    std::unique_ptr<SpriteSheet> cards;
    std::unique_ptr<SpriteSheet> results;
    std::vector<DrawOp> kept;
};

Canvas& canvas() {
    static Canvas all;
    return all;
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool inside(const PixelPoint& point, const PixelRect& rect) {
    return point.x >= rect.left && point.y >= rect.top && point.x < rect.right &&
           point.y < rect.bottom;
}

// A fill or a sprite covers an earlier sprite, fill or line inside it, and the text of its own
// panel: text whose cell starts inside it. (A figure too long for its panel is drawn whole, and
// its tail stays beside the panel until the table is drawn again at another ratio.)
bool covers(const DrawOp& later, const DrawOp& earlier) {
    if (earlier.kind == DrawOp::Kind::text) {
        return inside(earlier.at, later.area);
    }
    return inside(earlier.area, later.area);
}

PixelRect linesArea(const std::vector<PixelPoint>& points) {
    PixelRect area{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const PixelPoint& point : points) {
        area = {std::min(area.left, point.x), std::min(area.top, point.y),
                std::max(area.right, point.x), std::max(area.bottom, point.y)};
    }
    return {area.left - 3, area.top - 3, area.right + 4, area.bottom + 4};
}

SpriteSheet& sheetFor(SheetId sheet) {
    return sheet == SheetId::cards ? *canvas().cards : *canvas().results;
}

void replay(const DrawOp& op, Surface& target) {
    switch (op.kind) {
    case DrawOp::Kind::fill:
        fillRect(target, op.area, op.colour);
        break;
    case DrawOp::Kind::text:
        drawText(target, op.at, op.text);
        break;
    case DrawOp::Kind::sprite:
        copySprite(target, op.at, sheetFor(op.sheet), op.part);
        break;
    case DrawOp::Kind::lines:
        drawWhitePolyline(target, op.points);
        break;
    }
}

// Draws the operation and keeps it; an opaque one lets go of what it covers entirely.
void draw(DrawOp op) {
    Canvas& all = canvas();
    if (!all.backBuffer) {
        return;
    }
    replay(op, *all.backBuffer);
    if (op.kind == DrawOp::Kind::fill || op.kind == DrawOp::Kind::sprite) {
        std::erase_if(all.kept, [&](const DrawOp& earlier) { return covers(op, earlier); });
    }
    all.kept.push_back(std::move(op));
}

// The art drawn again for a part of a sheet. A part that is not one whole cell or badge, or art
// that cannot be drawn, is the sheet's own picture enlarged.
QImage paintPart(SheetId sheet, const Surface& picture, PixelRect part, std::int32_t width,
                 std::int32_t height) {
    QString error;
    const QString family = loadLetteringFamily(error);
    const QSize size(width, height);
    const std::int32_t partWidth = part.right - part.left;
    const std::int32_t partHeight = part.bottom - part.top;
    if (!family.isEmpty() && sheet == SheetId::cards && partWidth == TableLayout::cardWidth &&
        partHeight == TableLayout::cardHeight && part.left % TableLayout::cardWidth == 0 &&
        part.top % TableLayout::cardHeight == 0) {
        return renderCardCell(part.left / TableLayout::cardWidth,
                              part.top / TableLayout::cardHeight, size, family);
    }
    if (!family.isEmpty() && sheet == SheetId::results && part.left == 0 &&
        partHeight == TableLayout::badgeHeight && part.top % TableLayout::badgeHeight == 0) {
        return renderResultPart(part.top / TableLayout::badgeHeight, partWidth, size, family);
    }
    return picture.image()
        .copy(part.left, part.top, partWidth, partHeight)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::unique_ptr<SpriteSheet> makeSheet(SheetId sheet, std::unique_ptr<Surface> picture) {
    const Surface* own = picture.get();
    return std::make_unique<SpriteSheet>(
        std::move(picture), [sheet, own](PixelRect part, std::int32_t width, std::int32_t height) {
            return paintPart(sheet, *own, part, width, height);
        });
}

void noteFailure(std::string& failure, std::string_view what) {
    failure += failure.empty() ? "" : ", ";
    failure += what;
}

// A sheet that cannot be loaded, or that is not of its size, is replaced by a white one of its
// size, so the table still draws.
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

std::unique_ptr<Surface> greenBackBuffer(double scale) {
    auto back = std::make_unique<Surface>(TableLayout::backBufferWidth,
                                          TableLayout::backBufferHeight, scale);
    fillRect(*back, {0, 0, TableLayout::backBufferWidth, TableLayout::backBufferHeight},
             tableGreen);
    return back;
}
} // namespace

void openCanvas(double scale, std::string& failure) {
    Canvas& all = canvas();
    all.kept.clear();
    all.backBuffer = greenBackBuffer(scale);
    all.cards = makeSheet(SheetId::cards, loadSheet("IDBCARDBITMAP", 4 * TableLayout::cardWidth,
                                                    14 * TableLayout::cardHeight, failure));
    all.results =
        makeSheet(SheetId::results, loadSheet("IDBRESULTSBITMAP", TableLayout::naturalBadgeWidth,
                                              5 * TableLayout::badgeHeight, failure));
}

void closeCanvas() {
    Canvas& all = canvas();
    all.backBuffer.reset();
    all.cards.reset();
    all.results.reset();
    all.kept.clear();
    all.kept.shrink_to_fit();
}

void redrawCanvas(double scale) {
    Canvas& all = canvas();
    if (!all.backBuffer) {
        return;
    }
    all.cards->forgetParts();
    all.results->forgetParts();
    all.backBuffer.reset(); // never two back buffers at once
    all.backBuffer = greenBackBuffer(scale);
    for (const DrawOp& op : all.kept) {
        replay(op, *all.backBuffer);
    }
}

const Surface* canvasSurface() {
    return canvas().backBuffer.get();
}

bool canvasReady() {
    return canvas().backBuffer != nullptr;
}

void canvasFill(PixelRect rect, Rgb colour) {
    DrawOp op;
    op.area = rect;
    op.colour = colour;
    draw(std::move(op));
}

void canvasText(PixelPoint cellTopLeft, std::string_view text) {
    DrawOp op;
    op.kind = DrawOp::Kind::text;
    op.at = cellTopLeft;
    op.text = text;
    draw(std::move(op));
}

void canvasSprite(SheetId sheet, PixelRect part, PixelPoint topLeft) {
    DrawOp op;
    op.kind = DrawOp::Kind::sprite;
    op.area = {topLeft.x, topLeft.y, topLeft.x + part.right - part.left,
               topLeft.y + part.bottom - part.top};
    op.at = topLeft;
    op.sheet = sheet;
    op.part = part;
    draw(std::move(op));
}

void canvasLines(std::span<const PixelPoint> points) {
    if (points.empty()) {
        return;
    }
    DrawOp op;
    op.kind = DrawOp::Kind::lines;
    op.points.assign(points.begin(), points.end());
    op.area = linesArea(op.points);
    draw(std::move(op));
}
