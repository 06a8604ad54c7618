#pragma once

#include "cards/card.h"
#include "game/table_view_state.h"
#include "render/placement.h"

#include <cstdint>
#include <optional>
#include <vector>

struct Canvas;

// What the table picture shows, in words rather than pixels: the cards of each hand as they lie
// (the hole card face down until it is turned), the badges, the "Split Hand" label and the
// figures of the three panels. It is read from the drawing record, so it always matches the back
// buffer.

struct ShownCard {
    bool faceDown = false; // the card back: the dealer's hole card before it is turned
    Card card;             // the face, when not face down
};

struct ShownHand {
    std::vector<ShownCard> cards; // by slot: cards[0] lies at the hand's origin
    std::optional<BadgeKind> badge;
};

struct TableContent {
    ShownHand dealer;
    ShownHand player;
    ShownHand split;
    bool splitLabel = false;            // "Split Hand" is drawn above the split hand's row
    std::optional<CountFigures> counts; // the count panel, while it is drawn
    std::int32_t bet = 0;               // the Current Bet figure
    std::int32_t bank = 0;              // the Money figure
};

// The content of the canvas's back buffer; all empty before createTableSurface.
TableContent tableContent(const Canvas& canvas);
