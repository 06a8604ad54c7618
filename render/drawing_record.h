#pragma once

#include "cards/card.h"
#include "game/table_layout.h"
#include "game/table_view.h"
#include "render/art/sprite_id.h"

#include <QRect>

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The one record of what the table shows: each drawing operation, in order, says what it draws,
// and carries only what its kind needs. The picture at another device pixel ratio is this record
// drawn again, and the table's words are read from it. The canvas (canvas.h) keeps it.

// What a fill of the table's green clears.
enum class Area : std::uint8_t { cardArea, countPanel, moneyPanel, betPanel };
// The figures of the three text panels.
enum class Figure : std::uint8_t { dealerCount, playerCount, splitCount, bet, bank };

// A fill of the table's green.
struct ClearOp {
    Area cleared = Area::cardArea;
    Rect area;
};

// Connected 2-pixel solid white lines through the points in order.
struct LinesOp {
    std::vector<Point> points;
};

// Text that says nothing of the round: a hand's or a panel's label. `at` is the top-left of the
// text's cell, here and in the two below.
struct LabelOp {
    Point at;
    std::string text;
};

// "Split Hand", above the split hand.
struct SplitLabelOp {
    Point at;
    std::string text;
};

// A panel's figure.
struct FigureOp {
    Point at;
    Figure figure = Figure::bet;
    std::int32_t value = 0;
};

// A card at a 1-based slot of a hand: its face, or the card back for the dealer's hole card
// before it is turned, which carries no face. `at` is the sprite's top-left, here and below.
struct CardOp {
    Point at;
    HandId hand = DealerHandId;
    std::int32_t slot = 1;
    bool faceDown = false;
    Card card;
};

// A hand's result badge.
struct BadgeOp {
    Point at;
    HandId hand = DealerHandId;
    BadgeKind badge = BadgeBust;
    std::int32_t width = SheetGeometry::badgeCopyWidths[BadgeBust]; // as wide as its word needs
};

// Readers take each kind with std::visit and one overload per kind, so that a new kind is a
// compile error wherever it is not yet handled.
using DrawOp = std::variant<ClearOp, LinesOp, LabelOp, SplitLabelOp, FigureOp, CardOp, BadgeOp>;

// The text an operation draws.
std::string textOf(const LabelOp& op);
std::string textOf(const SplitLabelOp& op);
std::string textOf(const FigureOp& op);

template <class Op>
concept TextOp = requires(const Op& op) {
    { textOf(op) } -> std::same_as<std::string>;
};

// Every pixel the operation may change, in logical pixels, with one to spare for the device
// pixels a smoothed edge or a fractional ratio puts beside its logical rectangle.
QRect touched(const DrawOp& op);

// What an opaque operation (a fill, a card, a badge) covers; none for lines and text.
std::optional<Rect> opaqueArea(const DrawOp& op);

// An opaque operation over `area` covers an earlier sprite, fill or line inside it, and the text
// of its own panel: text whose cell starts inside it. (A figure too long for its panel is drawn
// whole, and its tail stays beside the panel until the table is drawn again at another ratio.)
bool covers(const Rect& area, const DrawOp& earlier);
