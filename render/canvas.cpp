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
// Where the sprite lies in its sheet; a badge is as wide as the player's language has it.
QRect sheetRect(SpriteId sprite, const BadgeWidths& badgeWidths) {
    QRect rect = spriteRect(sprite);
    if (sprite.kind == SpriteId::Kind::badge) {
        rect.setWidth(badgeWidths[static_cast<std::size_t>(sprite.row)]);
    }
    return rect;
}

void copySpriteTo(Canvas& canvas, Surface& target, Point topLeft, SpriteId sprite) {
    SpriteSheet& sheet = sheetOf(sprite) == SheetId::cards ? *canvas.cards : *canvas.results;
    copySprite(target, toQPoint(topLeft), sheet, spriteNumber(sprite),
               sheetRect(sprite, canvas.badgeWidths));
}

void drawOn(Canvas&, Surface& target, const ClearOp& op) {
    fillRect(target, toQRect(op.area), tableGreen);
}

void drawOn(Canvas&, Surface& target, const LinesOp& op) {
    std::vector<QPoint> line;
    std::transform(op.points.begin(), op.points.end(), std::back_inserter(line), toQPoint);
    drawWhitePolyline(target, line);
}

template <TextOp Op> void drawOn(Canvas&, Surface& target, const Op& op) {
    drawText(target, toQPoint(op.at), textOf(op));
}

void drawOn(Canvas& canvas, Surface& target, const CardOp& op) {
    copySpriteTo(canvas, target, op.at, cardSprite(op.faceDown, op.card));
}

void drawOn(Canvas& canvas, Surface& target, const BadgeOp& op) {
    copySpriteTo(canvas, target, op.at, badgeSprite(op.badge));
}

void replay(Canvas& canvas, const DrawOp& op, Surface& target) {
    std::visit([&](const auto& each) { drawOn(canvas, target, each); }, op);
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
void clearInked(Canvas& canvas, const Rect& area) {
    const QRect cleared = toQRect(area);
    for (const QRect& ink : canvas.inked) {
        const QRect stale = ink & cleared;
        if (!stale.isEmpty()) {
            fillRect(*canvas.backBuffer, stale, tableGreen);
            note(canvas.unshown, stale.adjusted(-1, -1, 1, 1));
        }
    }
    std::erase_if(canvas.inked, [&](const QRect& ink) { return cleared.contains(ink); });
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
void draw(Canvas& canvas, DrawOp op) {
    if (!canvas.backBuffer) {
        return;
    }
    if (const ClearOp* clear = std::get_if<ClearOp>(&op)) {
        clearInked(canvas, clear->area);
    } else {
        replay(canvas, op, *canvas.backBuffer);
        const QRect area = touched(op);
        note(canvas.inked, area);
        note(canvas.unshown, area);
    }
    if (const std::optional<Rect> area = opaqueArea(op)) {
        std::erase_if(canvas.kept, [&](const DrawOp& earlier) { return covers(*area, earlier); });
    }
    canvas.kept.push_back(std::move(op));
}

// A sprite drawn again by the art at a device size; the sheet's own picture enlarged when the art
// cannot be drawn.
QImage paintSprite(const SpriteSheet& sheet, const BadgeWidths& badgeWidths, std::int32_t number,
                   std::int32_t width, std::int32_t height) {
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
        .copy(sheetRect(sprite, badgeWidths))
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A sheet that draws its sprites again with `badgeWidths` as it has its badges; the card sheet
// has none.
std::unique_ptr<SpriteSheet> makeSheet(SpriteSheet::PictureLoader loadPicture,
                                       const BadgeWidths& badgeWidths) {
    return std::make_unique<SpriteSheet>(
        std::move(loadPicture), [badgeWidths](const SpriteSheet& sheet, std::int32_t number,
                                              std::int32_t width, std::int32_t height) {
            return paintSprite(sheet, badgeWidths, number, width, height);
        });
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

// How wide each badge is in `words`: as the build's sheet has them in English, or as the art
// draws them in another language.
BadgeWidths resultWidths(const BadgeWords& words) {
    if (words != englishBadgeWords()) {
        QString error;
        const QString family = loadLetteringFamily(error);
        if (!family.isEmpty()) {
            return badgeWidths(family, words);
        }
    }
    return SheetGeometry::badgeCopyWidths;
}

// The build's result sheet shows the badges' English words; in another language the art draws the
// sheet again with that language's words, each badge as wide as its word needs (resultWidths).
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

std::span<const DrawOp> keptOperations(const Canvas& canvas) {
    return canvas.kept;
}

void openCanvas(Canvas& canvas, double scale, std::string& failure) {
    canvas.kept.clear();
    canvas.backBuffer = greenBackBuffer(scale);
    canvas.inked.clear();
    canvas.unshown.clear(); // the window's first paint shows all of it
    checkSheet("IDBCARDBITMAP", SheetGeometry::cardSheetWidth, SheetGeometry::cardSheetHeight,
               failure);
    checkSheet("IDBRESULTSBITMAP", SheetGeometry::resultSheetWidth,
               SheetGeometry::resultSheetHeight, failure);
    canvas.cards = makeSheet(
        [] {
            return loadSheet("IDBCARDBITMAP", SheetGeometry::cardSheetWidth,
                             SheetGeometry::cardSheetHeight);
        },
        SheetGeometry::badgeCopyWidths);
    // in the language of the table's words at the time; the badges' places need their widths
    // before the sheet is drawn
    const BadgeWords words = badgeWords();
    canvas.badgeWidths = resultWidths(words);
    canvas.results = makeSheet([words] { return loadResultSheet(words); }, canvas.badgeWidths);
}

void releaseTableSurface(Canvas& canvas) {
    canvas.backBuffer.reset();
    canvas.cards.reset();
    canvas.results.reset();
    canvas.kept.clear();
    canvas.kept.shrink_to_fit();
    canvas.inked.clear();
    canvas.unshown.clear();
}

void redrawCanvas(Canvas& canvas, double scale) {
    if (!canvas.backBuffer) {
        return;
    }
    canvas.cards->forgetSprites();
    canvas.results->forgetSprites();
    canvas.backBuffer.reset(); // never two back buffers at once
    canvas.backBuffer = greenBackBuffer(scale);
    for (const DrawOp& op : canvas.kept) {
        replay(canvas, op, *canvas.backBuffer);
    }
    canvas.inked = inkOf(canvas.kept);
    canvas.unshown.clear(); // drawn again inside the paint that shows the whole window
}

void prepareTableArt(Canvas& canvas, const TableState& table) {
    if (!canvas.backBuffer) {
        return;
    }
    // What the next Deal draws: its four cards (the hole card face down, and face up at a
    // natural), and the badges. Each sprite is drawn at the device size it has where the first
    // card lands, and kept by its sheet; the scratch surface is too small to take any of it.
    // The other faces are drawn when first dealt: keeping all 52 ready would hold 5.7 MB at
    // twice the pixels.
    Surface scratch(SheetGeometry::cardWidth, SheetGeometry::cardHeight,
                    canvas.backBuffer->scale());
    const Point origin = TableLayout::playerOrigin;
    copySpriteTo(canvas, scratch, origin, backSprite());
    for (const Card& card : nextDealCards(table)) {
        copySpriteTo(canvas, scratch, origin, faceSprite(card.suit, card.rank));
    }
    for (std::int32_t kind = 0; kind < SheetGeometry::badgeCount; ++kind) {
        copySpriteTo(canvas, scratch, origin, badgeSprite(static_cast<BadgeKind>(kind)));
    }
    drawText(scratch, {0, 0}, "-0123456789");
}

QRegion unshownPart(const Canvas& canvas, const QRect& within) {
    std::vector<QRect> parts;
    for (const QRect& rect : canvas.unshown) {
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

void markShown(Canvas& canvas, const QRegion& region) {
    std::vector<QRect> still;
    for (const QRect& rect : canvas.unshown) {
        for (const QRect& part : QRegion(rect) - region) {
            note(still, part);
        }
    }
    canvas.unshown = std::move(still);
}

const Surface& backBuffer(const Canvas& canvas) {
    static const Surface none(0, 0);
    const Surface* back = canvas.backBuffer.get();
    return back ? *back : none;
}

double tableSurfaceScale(const Canvas& canvas) {
    return backBuffer(canvas).scale();
}

bool canvasReady(const Canvas& canvas) {
    return canvas.backBuffer != nullptr;
}

void canvasClear(Canvas& canvas, Area area, Rect rect) {
    draw(canvas, ClearOp{area, rect});
}

void canvasLabel(Canvas& canvas, Point cellTopLeft, std::string_view text) {
    draw(canvas, LabelOp{cellTopLeft, std::string(text)});
}

void canvasSplitLabel(Canvas& canvas, Point cellTopLeft) {
    draw(canvas, SplitLabelOp{cellTopLeft, captionText(Caption::splitHand)});
}

void canvasFigure(Canvas& canvas, Figure figure, Point cellTopLeft, std::int32_t value) {
    draw(canvas, FigureOp{cellTopLeft, figure, value});
}

void canvasCard(Canvas& canvas, HandId hand, const NextCard& next, Point topLeft) {
    draw(canvas,
         CardOp{topLeft, hand, next.slot, next.faceDown, next.faceDown ? Card{} : next.card});
}

std::int32_t canvasBadgeWidth(const Canvas& canvas, BadgeKind badge) {
    return canvas.badgeWidths[static_cast<std::size_t>(badge)];
}

void canvasBadge(Canvas& canvas, HandId hand, BadgeKind badge, Point topLeft) {
    draw(canvas, BadgeOp{topLeft, hand, badge, canvasBadgeWidth(canvas, badge)});
}

void canvasLines(Canvas& canvas, std::span<const Point> points) {
    if (!points.empty()) {
        draw(canvas, LinesOp{{points.begin(), points.end()}});
    }
}
