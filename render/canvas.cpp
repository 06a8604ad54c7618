#include "render/canvas.h"

#include "game/deal.h"
#include "game/table_layout.h"
#include "raster/drawing.h"
#include "raster/sprite_sheet.h"
#include "raster/text.h"
#include "render/art/badges.h"
#include "render/art/card_sheet.h"
#include "render/art/fonts.h"
#include "render/placement.h"
#include "render/qt_geometry.h"
#include "render/words.h"

#include <QImage>
#include <QRegion>

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <variant>
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

void copySpriteTo(Surface& target, Point topLeft, SpriteId sprite) {
    Canvas& all = canvas();
    SpriteSheet& sheet = sheetOf(sprite) == SheetId::cards ? *all.cards : *all.results;
    copySprite(target, toQPoint(topLeft), sheet, spriteNumber(sprite), spriteRect(sprite));
}

void drawOn(Surface& target, const ClearOp& op) {
    fillRect(target, toQRect(op.area), tableGreen);
}

void drawOn(Surface& target, const LinesOp& op) {
    std::vector<QPoint> line;
    std::transform(op.points.begin(), op.points.end(), std::back_inserter(line), toQPoint);
    drawWhitePolyline(target, line);
}

template <TextOp Op> void drawOn(Surface& target, const Op& op) {
    drawText(target, toQPoint(op.at), textOf(op));
}

void drawOn(Surface& target, const CardOp& op) {
    copySpriteTo(target, op.at, cardSprite(op.faceDown, op.card));
}

void drawOn(Surface& target, const BadgeOp& op) {
    copySpriteTo(target, op.at, badgeSprite(op.badge));
}

void replay(const DrawOp& op, Surface& target) {
    std::visit([&](const auto& each) { drawOn(target, each); }, op);
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
void clearInked(const Rect& area) {
    Canvas& all = canvas();
    const QRect cleared = toQRect(area);
    for (const QRect& ink : all.inked) {
        const QRect stale = ink & cleared;
        if (!stale.isEmpty()) {
            fillRect(*all.backBuffer, stale, tableGreen);
            note(all.unshown, stale.adjusted(-1, -1, 1, 1));
        }
    }
    std::erase_if(all.inked, [&](const QRect& ink) { return cleared.contains(ink); });
}

std::vector<QRect> inkOf(std::span<const DrawOp> ops) {
    std::vector<QRect> inked;
    for (const DrawOp& op : ops) {
        if (!std::holds_alternative<ClearOp>(op)) {
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
    if (const ClearOp* clear = std::get_if<ClearOp>(&op)) {
        clearInked(clear->area);
    } else {
        replay(op, *all.backBuffer);
        const QRect area = touched(op);
        note(all.inked, area);
        note(all.unshown, area);
    }
    if (const std::optional<Rect> area = opaqueArea(op)) {
        std::erase_if(all.kept, [&](const DrawOp& earlier) { return covers(*area, earlier); });
    }
    all.kept.push_back(std::move(op));
}

// A sprite drawn again by the art at a device size; the sheet's own picture enlarged when the art
// cannot be drawn.
QImage paintSprite(const SpriteSheet& sheet, std::int32_t number, std::int32_t width,
                   std::int32_t height) {
    static constexpr std::array<SpriteId, spriteCount> sprites = allSprites();
    const SpriteId sprite = sprites[static_cast<std::size_t>(number)];
    QString error;
    const QString family = loadLetteringFamily(error);
    const QSize size(width, height);
    if (!family.isEmpty()) {
        return sprite.kind == SpriteId::Kind::badge
                   ? renderBadgeSprite(static_cast<BadgeKind>(sprite.row), size, family,
                                       badgeWords()[static_cast<std::size_t>(sprite.row)])
                   : renderCardSprite(sprite, size, family);
    }
    return sheet.picture()
        .image()
        .copy(spriteRect(sprite))
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void noteFailure(std::string& failure, std::string_view what) {
    failure += failure.empty() ? "" : ", ";
    failure += what;
}

// A sheet is decoded when it is first drawn from, after the window's first frame; at start-up
// only its header is read, so that one missing or not of its size still stops the start.
void checkSheet(std::string_view name, std::int32_t width, std::int32_t height,
                std::string& failure) {
    if (imageResourceSize(name) != QSize(width, height)) {
        noteFailure(failure, "the image resource " + std::string(name));
    }
}

// A sheet that cannot be decoded, or that is not of its size, is replaced by a white one of its
// size, so the table still draws.
std::unique_ptr<Surface> loadSheet(std::string_view name, std::int32_t width, std::int32_t height) {
    if (auto sheet = loadImageResource(name)) {
        if (sheet->width() == width && sheet->height() == height) {
            return sheet;
        }
    }
    auto blank = std::make_unique<Surface>(width, height);
    fillRect(*blank, QRect(0, 0, width, height), Rgb{255, 255, 255});
    return blank;
}

// The build's result sheet shows the badges' English words; in another language the art draws the
// sheet again with that language's words.
std::unique_ptr<Surface> loadResultSheet(const BadgeWords& words) {
    if (words != englishBadgeWords()) {
        QString error;
        const QString family = loadLetteringFamily(error);
        if (!family.isEmpty()) {
            return std::make_unique<Surface>(renderResultSheet(family, words));
        }
    }
    return loadSheet("IDBRESULTSBITMAP", SheetGeometry::resultSheetWidth,
                     SheetGeometry::resultSheetHeight);
}

std::unique_ptr<Surface> greenBackBuffer(double scale) {
    return std::make_unique<Surface>(TableLayout::backBufferWidth, TableLayout::backBufferHeight,
                                     scale, tableGreen);
}

} // namespace

std::span<const DrawOp> keptOperations() {
    return canvas().kept;
}

void openCanvas(double scale, std::string& failure) {
    Canvas& all = canvas();
    all.kept.clear();
    all.backBuffer = greenBackBuffer(scale);
    all.inked.clear();
    all.unshown.clear(); // the window's first paint shows all of it
    checkSheet("IDBCARDBITMAP", SheetGeometry::cardSheetWidth, SheetGeometry::cardSheetHeight,
               failure);
    checkSheet("IDBRESULTSBITMAP", SheetGeometry::resultSheetWidth,
               SheetGeometry::resultSheetHeight, failure);
    all.cards = std::make_unique<SpriteSheet>(
        [] {
            return loadSheet("IDBCARDBITMAP", SheetGeometry::cardSheetWidth,
                             SheetGeometry::cardSheetHeight);
        },
        paintSprite);
    // in the language of the table's words at the time
    all.results = std::make_unique<SpriteSheet>(
        [words = badgeWords()] { return loadResultSheet(words); }, paintSprite);
}

void releaseTableSurface() {
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

void prepareTableArt() {
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
    const Point origin = TableLayout::playerOrigin;
    copySpriteTo(scratch, origin, backSprite());
    for (const Card& card : nextDealCards()) {
        copySpriteTo(scratch, origin, faceSprite(card.suit, card.rank));
    }
    for (std::int32_t kind = 0; kind < SheetGeometry::badgeCount; ++kind) {
        copySpriteTo(scratch, origin, badgeSprite(static_cast<BadgeKind>(kind)));
    }
    drawText(scratch, {0, 0}, "-0123456789");
}

QRegion unshownPart(const QRect& within) {
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

void markShown(const QRegion& region) {
    std::vector<QRect> still;
    for (const QRect& rect : canvas().unshown) {
        for (const QRect& part : QRegion(rect) - region) {
            note(still, part);
        }
    }
    canvas().unshown = std::move(still);
}

const Surface& backBuffer() {
    static const Surface none(0, 0);
    const Surface* back = canvas().backBuffer.get();
    return back ? *back : none;
}

double tableSurfaceScale() {
    return backBuffer().scale();
}

bool canvasReady() {
    return canvas().backBuffer != nullptr;
}

void canvasClear(Area area, Rect rect) {
    draw(ClearOp{area, rect});
}

void canvasLabel(Point cellTopLeft, std::string_view text) {
    draw(LabelOp{cellTopLeft, std::string(text)});
}

void canvasSplitLabel(Point cellTopLeft) {
    draw(SplitLabelOp{cellTopLeft, captionText(Caption::splitHand)});
}

void canvasFigure(Figure figure, Point cellTopLeft, std::int32_t value) {
    draw(FigureOp{cellTopLeft, figure, value});
}

void canvasCard(HandId hand, const NextCard& next, Point topLeft) {
    draw(CardOp{topLeft, hand, next.slot, next.faceDown, next.faceDown ? Card{} : next.card});
}

void canvasBadge(HandId hand, BadgeKind badge, Point topLeft) {
    draw(BadgeOp{topLeft, hand, badge});
}

void canvasLines(std::span<const Point> points) {
    if (!points.empty()) {
        draw(LinesOp{{points.begin(), points.end()}});
    }
}
