#pragma once

#include "cards/card.h"
#include "game/table_layout.h"
#include "game/table_view.h"
#include "render/art/sprite_id.h"

#include <cstdint>
#include <optional>
#include <string>

// Where cards and badges go and which badge a hand earns: plain rules, no drawing.

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

// The dealer's badge: bust over 21, natural for a 21 settled right after the deal, else none.
std::optional<BadgeKind> dealerBadge(std::int32_t dealerTotal, bool naturalCheck);
// The badge of one of the player's hands, by the first rule that holds: bust, natural, win,
// lose, push.
BadgeKind handBadge(std::int32_t total, std::int32_t dealerTotal, bool dealerBusted,
                    bool naturalCheck);

// A figure as the panels show it: decimal, "-" for a negative value, no padding.
std::string figureText(std::int32_t value);
