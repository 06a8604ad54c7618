#pragma once

#include "cards/card.h"
#include "game/table_layout.h"

#include <cstddef>
#include <cstdint>

// The seam through which the round logic shows what it changed. The game's window implements it
// by drawing into the back buffer and copying to the screen; tests and the headless companion
// implement it to record or to do nothing. The round logic reads nothing back: it advances its
// own slots and hands the view each card to show.

enum HandId : std::int32_t { PlayerHandId = 0, DealerHandId = 1, SplitHandId = 2 };
inline constexpr std::size_t handCount = 3;
// Where a hand stands among the three, for anything kept by hand: 0 the player's, 2 the split
// hand, any other value the dealer's.
constexpr std::size_t handIndex(HandId id) {
    return static_cast<std::size_t>(id == PlayerHandId || id == SplitHandId ? id : DealerHandId);
}

// Which of the player's hands get a result badge.
enum ResultTarget : std::int32_t { ResultPlayer = 0, ResultSplit = 2, ResultBoth = 3 };

// When a round's results are shown: at the end of play, or right after the deal, when a two-card
// 21 on either side settles the round at once (only then are natural badges shown).
enum class RoundEnd : std::int32_t { play = 0, naturals = 1 };

// One card for a hand's row.
struct NextCard {
    std::int32_t slot = 1; // where the card goes: 1 is the hand's first position
    bool faceDown = false; // the dealer's hole card, drawn as the card back
    Card card;             // the card to show when face up
};

// Control ids of the nine push buttons; also their command values.
enum ControlId : std::int32_t {
    IDC_DEAL = 0,
    IDC_HIT = 1,
    IDC_STAND = 2,
    IDC_BETONE = 3,
    IDC_DOUBLE = 4,
    IDC_SPLIT = 5,
    IDC_BETFIVE = 6,
    IDC_BETTEN = 7,
    IDC_CLEAR = 8,
};
inline constexpr std::int32_t buttonCount = 9;

class TableView {
  public:
    virtual ~TableView() = default;

    virtual void clearTable() = 0; // empty card area with the two hand labels
    virtual void paintCounts() = 0;
    virtual void paintMoney() = 0;
    virtual void paintBet() = 0;
    virtual void paintSplitLabel() = 0; // "Split Hand" above the split hand
    virtual void paintNextCard(HandId hand, const NextCard& next) = 0;
    virtual void paintResults(ResultTarget target, RoundEnd end) = 0;

    virtual void enableButton(ControlId id, bool enabled) = 0;
    // TableLayout::tableRect, moneyRect or betRect; never erases the background
    virtual void invalidateRect(const Rect& rect) = 0;
    virtual void updateWindow() = 0; // repaints what is invalid before it returns
};
