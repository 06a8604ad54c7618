#pragma once

#include "cards/card.h"
#include "game/settlement.h"
#include "game/table_layout.h"
#include "game/table_view.h"
#include "render/art/sprite_id.h"

#include <cstdint>
#include <optional>
#include <string>

// Where cards and badges go and which badge shows a result: plain rules, no drawing.

Point handOrigin(HandId hand); // 0 player, 2 split, any other value the dealer

// Top-left in the back buffer of the card at a 1-based slot: each card covers all but the left
// coveredStrip columns of the card before it.
Point cardPosition(HandId hand, std::int32_t slot);

// The card's face, or the card back for the hole card.
SpriteId cardSprite(bool faceDown, const Card& card);

// trunc(((slot - 4) * cardWidth * 0.5 + cardWidth) * 0.5 + originX - shift): a quarter of a card
// further right with each card of the hand.
std::int32_t badgeX(std::int32_t slot, std::int32_t originX, std::int32_t shift);
std::int32_t badgeY(std::int32_t originY); // trunc(cardHeight * 0.38 + originY)

// The top-left of a badge `width` wide for a hand whose next card would go to `slot`. The dealer's
// natural badge sits at the hand's origin; the player's natural badge moves left by
// naturalBadgeShift; the split hand's badges never move. A badge wider or narrower than the
// English one of its kind (a word in another language) is centred where the English one is, then
// kept inside its hand's room: the table's width for the dealer, for the player up to the split
// hand's place, for the split hand from its place to the table's edge.
Point badgePosition(HandId hand, std::int32_t slot, BadgeKind kind, std::int32_t width);

// The badge that shows a hand's result: the result sheet's rows are in the order of the results.
constexpr BadgeKind resultBadge(HandResult result) {
    return static_cast<BadgeKind>(result);
}
static_assert(resultBadge(HandResult::bust) == BadgeBust &&
              resultBadge(HandResult::win) == BadgeWin &&
              resultBadge(HandResult::lose) == BadgeLose &&
              resultBadge(HandResult::natural) == BadgeNatural &&
              resultBadge(HandResult::push) == BadgePush);

// A figure as the panels show it: decimal, "-" for a negative value, no padding.
std::string figureText(std::int32_t value);
