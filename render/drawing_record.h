#pragma once

#include "cards/card.h"
#include "game/table_layout.h"
#include "game/table_view.h"
#include "render/art/sprite_id.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The one record of what the table shows: each drawing operation, in order, says what it draws.
// The picture at another device pixel ratio is this record drawn again, and the table's words are
// read from it. The canvas (canvas.h) keeps it.

// What a fill of the table's green clears.
enum class Area : std::uint8_t { cardArea, countPanel, moneyPanel, betPanel };
// The figures of the three text panels.
enum class Figure : std::uint8_t { dealerCount, playerCount, splitCount, bet, bank };

struct DrawOp {
    enum class Kind : std::uint8_t { clear, lines, label, splitLabel, figure, card, badge };
    Kind kind = Kind::clear;
    Rect area; // what it covers (clear, card, badge) or the most it can touch (lines)
    Point at;  // the top-left of a text cell or a sprite
    Area cleared = Area::cardArea;
    std::string label;
    Figure figure = Figure::bet;
    std::int32_t value = 0; // the figure
    HandId hand = DealerHandId;
    std::int32_t slot = 1;
    bool faceDown = false; // the card back: the dealer's hole card before it is turned
    Card card;             // the face, when not face down
    BadgeKind badge = BadgeBust;
    std::vector<Point> points; // of the lines
};
