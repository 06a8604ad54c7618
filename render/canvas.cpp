#include "game/deal.h"
#include "raster/drawing.h"
#include "raster/sprite_sheet.h"
#include "raster/text.h"
#include "render/art/badges.h"
#include "render/art/card_sheet.h"
#include "render/art/fonts.h"
#include "render/layout.h"
#include "render/placement.h"
#include "render/surfaces.h"

#include <QImage>
#include <QRegion>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {
struct Canvas {
    std::unique_ptr<Surface> backBuffer;
    std::unique_ptr<SpriteSheet> cards;
    std::unique_ptr<SpriteSheet> results;
    std::vector<DrawOp> kept;
    // Where the back buffer may be other than the table's green: the fills clear only this.
    std::vector<QRect> inked;
    // What was drawn since the screen last showed it.
    std::vector<QRect> unshown;
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

bool isText(const DrawOp& op) {
    return op.kind == DrawOp::Kind::label || op.kind == DrawOp::Kind::splitLabel ||
           op.kind == DrawOp::Kind::figure;
}

bool isOpaque(const DrawOp& op) {
    return op.kind == DrawOp::Kind::clear || op.kind == DrawOp::Kind::card ||
           op.kind == DrawOp::Kind::badge;
}

// A fill or a sprite covers an earlier sprite, fill or line inside it, and the text of its own
// panel: text whose cell starts inside it. (A figure too long for its panel is drawn whole, and
// its tail stays beside the panel until the table is drawn again at another ratio.)
bool covers(const DrawOp& later, const DrawOp& earlier) {
    if (isText(earlier)) {
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

PixelRect spriteLanding(SpriteId sprite, PixelPoint topLeft) {
    const SpriteRect part = spriteRect(sprite);
    return {topLeft.x, topLeft.y, topLeft.x + part.width, topLeft.y + part.height};
}

void copySpriteTo(Surface& target, PixelPoint topLeft, SpriteId sprite) {
    Canvas& all = canvas();
    SpriteSheet& sheet = sheetOf(sprite) == SheetId::cards ? *all.cards : *all.results;
    const SpriteRect part = spriteRect(sprite);
    copySprite(target, topLeft, sheet, spriteNumber(sprite),
               {part.left, part.top, part.left + part.width, part.top + part.height});
}

void replay(const DrawOp& op, Surface& target) {
    switch (op.kind) {
    case DrawOp::Kind::clear:
        fillRect(target, op.area, tableGreen);
        break;
    case DrawOp::Kind::label:
    case DrawOp::Kind::splitLabel:
        drawText(target, op.at, op.label);
        break;
    case DrawOp::Kind::figure:
        drawText(target, op.at, figureText(op.value));
        break;
    case DrawOp::Kind::card:
    case DrawOp::Kind::badge:
        copySpriteTo(target, op.at, spriteOf(op));
        break;
    case DrawOp::Kind::lines:
        drawWhitePolyline(target, op.points);
        break;
    }
}

QRect toQRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

PixelRect toPixelRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

// Every pixel the operation may change, with one to spare for the device pixels a smoothed edge
// or a fractional ratio puts beside its logical rectangle.
QRect touched(const DrawOp& op) {
    PixelRect area = op.area;
    if (op.kind == DrawOp::Kind::label || op.kind == DrawOp::Kind::splitLabel) {
        area = textBounds(op.at, op.label);
    } else if (op.kind == DrawOp::Kind::figure) {
        area = textBounds(op.at, figureText(op.value));
    }
    return toQRect(area).adjusted(-1, -1, 1, 1);
}

// Rectangles past this many are joined into the one that bounds them: still every pixel they held,
// whatever is drawn outside the areas that are cleared.
constexpr std::size_t manyRects = 64;

void note(std::vector<QRect>& rects, const QRect& rect) {
    // the same text drawn again, or a card on its own place
    if (std::any_of(rects.begin(), rects.end(),
                    [&](const QRect& each) { return each.contains(rect); })) {
        return;
    }
    if (rects.size() == manyRects) {
        QRect bound;
        for (const QRect& each : rects) {
            bound |= each;
        }
        rects.assign(1, bound);
    }
    rects.push_back(rect);
}

// A fill of the green paints only what is not green already: the same picture, and a new round
// touches the few pixels the last one drew rather than the whole card area.
void clearInked(const PixelRect& area) {
    Canvas& all = canvas();
    const QRect cleared = toQRect(area);
    for (const QRect& ink : all.inked) {
        const QRect stale = ink & cleared;
        if (!stale.isEmpty()) {
            fillRect(*all.backBuffer, toPixelRect(stale), tableGreen);
            note(all.unshown, stale.adjusted(-1, -1, 1, 1));
        }
    }
    std::erase_if(all.inked, [&](const QRect& ink) { return cleared.contains(ink); });
}

std::vector<QRect> inkOf(std::span<const DrawOp> ops) {
    std::vector<QRect> inked;
    for (const DrawOp& op : ops) {
        if (op.kind != DrawOp::Kind::clear) {
            inked.push_back(touched(op));
        }
    }
    return inked;
}

// Draws the operation and keeps it; an opaque one lets go of what it covers entirely.
void draw(DrawOp op) {
    Canvas& all = canvas();
    if (!all.backBuffer) {
        return;
    }
    if (op.kind == DrawOp::Kind::clear) {
        clearInked(op.area);
    } else {
        replay(op, *all.backBuffer);
        const QRect area = touched(op);
        note(all.inked, area);
        note(all.unshown, area);
    }
    if (isOpaque(op)) {
        std::erase_if(all.kept, [&](const DrawOp& earlier) { return covers(op, earlier); });
    }
    all.kept.push_back(std::move(op));
}

// A sprite drawn again by the art at a device size; the sheet's own picture enlarged when the art
// cannot be drawn.
QImage paintSprite(const Surface& picture, std::int32_t number, std::int32_t width,
                   std::int32_t height) {
    static constexpr std::array<SpriteId, spriteCount> sprites = allSprites();
    const SpriteId sprite = sprites[static_cast<std::size_t>(number)];
    QString error;
    const QString family = loadLetteringFamily(error);
    const QSize size(width, height);
    if (!family.isEmpty()) {
        return sprite.kind == SpriteId::Kind::badge
                   ? renderBadgeSprite(static_cast<BadgeKind>(sprite.row), size, family)
                   : renderCardSprite(sprite, size, family);
    }
    const SpriteRect part = spriteRect(sprite);
    return picture.image()
        .copy(part.left, part.top, part.width, part.height)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::unique_ptr<SpriteSheet> makeSheet(std::unique_ptr<Surface> picture) {
    const Surface* own = picture.get();
    return std::make_unique<SpriteSheet>(
        std::move(picture), [own](std::int32_t number, std::int32_t width, std::int32_t height) {
            return paintSprite(*own, number, width, height);
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

DrawOp textOp(DrawOp::Kind kind, PixelPoint cellTopLeft) {
    DrawOp op;
    op.kind = kind;
    op.at = cellTopLeft;
    return op;
}

DrawOp spriteOp(DrawOp::Kind kind, HandId hand, PixelPoint topLeft) {
    DrawOp op;
    op.kind = kind;
    op.hand = hand;
    op.at = topLeft;
    return op;
}
} // namespace

SpriteId spriteOf(const DrawOp& op) {
    if (op.kind == DrawOp::Kind::badge) {
        return badgeSprite(op.badge);
    }
    return op.faceDown ? backSprite() : faceSprite(op.card.suit, op.card.rank);
}

std::span<const DrawOp> keptOperations() {
    return canvas().kept;
}

void openCanvas(double scale, std::string& failure) {
    Canvas& all = canvas();
    all.kept.clear();
    all.backBuffer = greenBackBuffer(scale);
    all.inked.clear();
    all.unshown.clear(); // the window's first paint shows all of it
    all.cards = makeSheet(loadSheet("IDBCARDBITMAP", SheetGeometry::cardSheetWidth,
                                    SheetGeometry::cardSheetHeight, failure));
    all.results = makeSheet(loadSheet("IDBRESULTSBITMAP", SheetGeometry::resultSheetWidth,
                                      SheetGeometry::resultSheetHeight, failure));
}

void closeCanvas() {
    Canvas& all = canvas();
    all.backBuffer.reset();
    all.cards.reset();
    all.results.reset();
    all.kept.clear();
    all.kept.shrink_to_fit();
    all.inked.clear();
    all.unshown.clear();
}

void redrawCanvas(double scale) {
    Canvas& all = canvas();
    if (!all.backBuffer) {
        return;
    }
    all.cards->forgetSprites();
    all.results->forgetSprites();
    all.backBuffer.reset(); // never two back buffers at once
    all.backBuffer = greenBackBuffer(scale);
    for (const DrawOp& op : all.kept) {
        replay(op, *all.backBuffer);
    }
    all.inked = inkOf(all.kept);
    all.unshown.clear(); // drawn again inside the paint that shows the whole window
}

void prepareCanvas() {
    Canvas& all = canvas();
    if (!all.backBuffer) {
        return;
    }
    // What the next Deal draws: its four cards (the hole card face down, and face up at a
    // natural), and the badges. Each sprite is drawn at the device size it has where the first
    // card lands, and kept by its sheet; the scratch surface is too small to take any of it.
    // The other faces are drawn when first dealt: keeping all 52 ready would hold 5.7 MB at
    // twice the pixels.
    Surface scratch(SheetGeometry::cardWidth, SheetGeometry::cardHeight, all.backBuffer->scale());
    const PixelPoint origin{TableLayout::playerOrigin.x, TableLayout::playerOrigin.y};
    copySpriteTo(scratch, origin, backSprite());
    for (const Card& card : nextDealCards()) {
        copySpriteTo(scratch, origin, faceSprite(card.suit, card.rank));
    }
    for (std::int32_t kind = 0; kind < SheetGeometry::badgeCount; ++kind) {
        copySpriteTo(scratch, origin, badgeSprite(static_cast<BadgeKind>(kind)));
    }
    drawText(scratch, {0, 0}, "-0123456789");
}

QRegion canvasUnshown(const QRect& within) {
    std::vector<QRect> parts;
    for (const QRect& rect : canvas().unshown) {
        if (const QRect part = rect & within; !part.isEmpty()) {
            parts.push_back(part);
        }
    }
    // Neighbours are joined while the rectangle around two covers at most twice their area: a
    // few copies of a little more than changed, rather than one per letter box or one around
    // everything.
    const auto area = [](const QRect& rect) { return qint64(rect.width()) * rect.height(); };
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            const QRect joined = parts[i] | parts[j];
            if (area(joined) <= 2 * (area(parts[i]) + area(parts[j]))) {
                parts[i] = joined;
                parts.erase(parts.begin() + std::ptrdiff_t(j));
                j = i; // the grown rectangle may now reach the others
            }
        }
    }
    QRegion region;
    for (const QRect& part : parts) {
        region += part;
    }
    return region;
}

void canvasShown(const QRegion& region) {
    std::vector<QRect> still;
    for (const QRect& rect : canvas().unshown) {
        for (const QRect& part : QRegion(rect) - region) {
            note(still, part);
        }
    }
    canvas().unshown = std::move(still);
}

const Surface* canvasSurface() {
    return canvas().backBuffer.get();
}

bool canvasReady() {
    return canvas().backBuffer != nullptr;
}

void canvasClear(Area area, PixelRect rect) {
    DrawOp op;
    op.cleared = area;
    op.area = rect;
    draw(std::move(op));
}

void canvasLabel(PixelPoint cellTopLeft, std::string_view text) {
    DrawOp op = textOp(DrawOp::Kind::label, cellTopLeft);
    op.label = text;
    draw(std::move(op));
}

void canvasSplitLabel(PixelPoint cellTopLeft) {
    DrawOp op = textOp(DrawOp::Kind::splitLabel, cellTopLeft);
    op.label = "Split Hand";
    draw(std::move(op));
}

void canvasFigure(Figure figure, PixelPoint cellTopLeft, std::int32_t value) {
    DrawOp op = textOp(DrawOp::Kind::figure, cellTopLeft);
    op.figure = figure;
    op.value = value;
    draw(std::move(op));
}

void canvasCard(HandId hand, const NextCard& next, PixelPoint topLeft) {
    DrawOp op = spriteOp(DrawOp::Kind::card, hand, topLeft);
    op.slot = next.slot;
    op.faceDown = next.faceDown;
    op.card = next.faceDown ? Card{} : next.card;
    op.area = spriteLanding(spriteOf(op), topLeft);
    draw(std::move(op));
}

void canvasBadge(HandId hand, BadgeKind badge, PixelPoint topLeft) {
    DrawOp op = spriteOp(DrawOp::Kind::badge, hand, topLeft);
    op.badge = badge;
    op.area = spriteLanding(spriteOf(op), topLeft);
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
