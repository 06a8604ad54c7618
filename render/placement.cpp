#include "render/placement.h"

#include <algorithm>

Point handOrigin(HandId hand) {
    switch (hand) {
    case PlayerHandId:
        return TableLayout::playerOrigin;
    case SplitHandId:
        return TableLayout::splitOrigin;
    default:
        return TableLayout::dealerOrigin;
    }
}

Point cardPosition(HandId hand, std::int32_t slot) {
    const Point origin = handOrigin(hand);
    return {origin.x + (slot - 1) * SheetGeometry::coveredStrip, origin.y};
}

SpriteId cardSprite(bool faceDown, const Card& card) {
    return faceDown ? backSprite() : faceSprite(card.suit, card.rank);
}

std::int32_t badgeX(std::int32_t slot, std::int32_t originX, std::int32_t shift) {
    constexpr std::int32_t width = SheetGeometry::cardWidth;
    return static_cast<std::int32_t>(((slot - 4) * width * 0.5 + width) * 0.5 + originX - shift);
}

std::int32_t badgeY(std::int32_t originY) {
    return static_cast<std::int32_t>(SheetGeometry::cardHeight * 0.38 + originY);
}

namespace {
// Where the English badge of that kind goes.
Point englishBadgePosition(HandId hand, std::int32_t slot, BadgeKind kind) {
    const Point origin = handOrigin(hand);
    const std::int32_t y = badgeY(origin.y);
    if (kind != BadgeNatural || hand == SplitHandId) {
        return {badgeX(slot, origin.x, 0), y};
    }
    if (hand == PlayerHandId) {
        return {badgeX(slot, origin.x, TableLayout::naturalBadgeShift), y};
    }
    return {origin.x, y};
}

// The columns a hand's badge may cover, from left to right - 1.
struct BadgeRoom {
    std::int32_t left = 0;
    std::int32_t right = 0;
};

BadgeRoom badgeRoom(HandId hand) {
    switch (hand) {
    case PlayerHandId:
        return {TableLayout::tableRect.left, TableLayout::splitOrigin.x};
    case SplitHandId:
        return {TableLayout::splitOrigin.x, TableLayout::tableRect.right};
    default:
        return {TableLayout::tableRect.left, TableLayout::tableRect.right};
    }
}
} // namespace

Point badgePosition(HandId hand, std::int32_t slot, BadgeKind kind, std::int32_t width) {
    Point at = englishBadgePosition(hand, slot, kind);
    const std::int32_t englishWidth = SheetGeometry::badgeCopyWidths[kind];
    if (width == englishWidth) {
        return at;
    }
    const BadgeRoom room = badgeRoom(hand);
    at.x = std::max(room.left, std::min(at.x + (englishWidth - width) / 2, room.right - width));
    return at;
}

std::optional<BadgeKind> dealerBadge(std::int32_t dealerTotal, bool naturalCheck) {
    if (dealerTotal > 21) {
        return BadgeBust;
    }
    if (dealerTotal == 21 && naturalCheck) {
        return BadgeNatural;
    }
    return std::nullopt;
}

BadgeKind handBadge(std::int32_t total, std::int32_t dealerTotal, bool dealerBusted,
                    bool naturalCheck) {
    if (total > 21) {
        return BadgeBust;
    }
    if (total == 21 && naturalCheck) {
        return BadgeNatural;
    }
    if (dealerBusted || total > dealerTotal) {
        return BadgeWin;
    }
    return total < dealerTotal ? BadgeLose : BadgePush;
}

std::string figureText(std::int32_t value) {
    return std::to_string(value);
}
