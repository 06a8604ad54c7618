#pragma once

#include <QRect>

#include <algorithm>
#include <array>
#include <cstdint>

// The sprites of the two sheets, named, and the one geometry of those sheets: the build draws the
// sheets by it, the art draws any sprite again by it, and the table copies its sprites by it.

enum class SheetId : std::uint8_t { cards, results };

// The row of a badge in the result sheet.
enum BadgeKind : std::int32_t {
    BadgeBust = 0,
    BadgeWin = 1,
    BadgeLose = 2,
    BadgeNatural = 3,
    BadgePush = 4,
};

namespace SheetGeometry {

inline constexpr std::int32_t cardWidth = 71;
inline constexpr std::int32_t cardHeight = 96;
inline constexpr std::int32_t coveredStrip = cardWidth / 2; // 35: what a covered card still shows
inline constexpr std::int32_t suitColumns = 4;              // clubs, diamonds, hearts, spades
inline constexpr std::int32_t rankRows = 13;                // ace to king
inline constexpr std::int32_t backRow = rankRows;           // the back, in column 0
inline constexpr std::int32_t cardSheetWidth = suitColumns * cardWidth;     // 284
inline constexpr std::int32_t cardSheetHeight = (backRow + 1) * cardHeight; // 1344

inline constexpr std::int32_t badgeHeight = 27;
inline constexpr std::int32_t badgeCount = 5;
// What the table copies of each badge, by kind. The win badge's frame is 51 wide but its copy 52:
// the table has always shown that badge with a white column at its right, and the reference
// pictures keep it.
inline constexpr std::array<std::int32_t, badgeCount> badgeCopyWidths{57, 52, 54, 110, 62};
constexpr std::int32_t badgeFrameWidth(BadgeKind kind) {
    return badgeCopyWidths[kind] - (kind == BadgeWin ? 1 : 0);
}
inline constexpr std::int32_t resultSheetWidth = std::ranges::max(badgeCopyWidths);
inline constexpr std::int32_t resultSheetHeight = badgeCount * badgeHeight; // 135

} // namespace SheetGeometry

struct SpriteId {
    enum class Kind : std::uint8_t { face, back, badge };
    Kind kind = Kind::back;
    std::int32_t column = 0;                   // a face's suit
    std::int32_t row = SheetGeometry::backRow; // a face's rank - 1; a badge's kind

    friend constexpr bool operator==(const SpriteId&, const SpriteId&) = default;
};

// suit 0 to 3 (clubs, diamonds, hearts, spades), rank 1 to 13
constexpr SpriteId faceSprite(std::int32_t suit, std::int32_t rank) {
    return {SpriteId::Kind::face, suit, rank - 1};
}
constexpr SpriteId backSprite() {
    return {};
}
constexpr SpriteId badgeSprite(BadgeKind kind) {
    return {SpriteId::Kind::badge, 0, kind};
}

constexpr SheetId sheetOf(SpriteId id) {
    return id.kind == SpriteId::Kind::badge ? SheetId::results : SheetId::cards;
}

// Where the sprite lies in its sheet; a badge is its copy width wide.
constexpr QRect spriteRect(SpriteId id) {
    if (id.kind == SpriteId::Kind::badge) {
        return {0, id.row * SheetGeometry::badgeHeight, SheetGeometry::badgeCopyWidths[id.row],
                SheetGeometry::badgeHeight};
    }
    return {id.column * SheetGeometry::cardWidth, id.row * SheetGeometry::cardHeight,
            SheetGeometry::cardWidth, SheetGeometry::cardHeight};
}

// One number for each sprite: the faces by suit and rank, then the back, then the badges.
constexpr std::int32_t spriteNumber(SpriteId id) {
    switch (id.kind) {
    case SpriteId::Kind::face:
        return id.column * SheetGeometry::rankRows + id.row;
    case SpriteId::Kind::back:
        return SheetGeometry::suitColumns * SheetGeometry::rankRows;
    case SpriteId::Kind::badge:
        break;
    }
    return SheetGeometry::suitColumns * SheetGeometry::rankRows + 1 + id.row;
}
inline constexpr std::int32_t spriteCount =
    SheetGeometry::suitColumns * SheetGeometry::rankRows + 1 + SheetGeometry::badgeCount;

// Every sprite, in number order.
constexpr std::array<SpriteId, spriteCount> allSprites() {
    std::array<SpriteId, spriteCount> all{};
    std::int32_t at = 0;
    for (std::int32_t suit = 0; suit < SheetGeometry::suitColumns; ++suit) {
        for (std::int32_t rank = 1; rank <= SheetGeometry::rankRows; ++rank) {
            all[at++] = faceSprite(suit, rank);
        }
    }
    all[at++] = backSprite();
    for (std::int32_t kind = 0; kind < SheetGeometry::badgeCount; ++kind) {
        all[at++] = badgeSprite(static_cast<BadgeKind>(kind));
    }
    return all;
}
