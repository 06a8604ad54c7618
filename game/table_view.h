#pragma once

#include "game/table_layout.h"

#include <cstdint>

// The seam through which the round logic shows what it changed. The game's window implements it
// by drawing into the back buffer and copying to the screen; tests and the headless companion
// implement it to record or to do nothing. The round logic reads nothing back, except that
// paintNextCard advances its hand's slot and turns off holeCardPending (see takeNextCard).

enum HandId : std::int32_t { PlayerHandId = 0, DealerHandId = 1, SplitHandId = 2 };

// Which of the player's hands get a result badge.
enum ResultTarget : std::int32_t { ResultPlayer = 0, ResultSplit = 2, ResultBoth = 3 };

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
    virtual void paintNextCard(HandId hand) = 0;
    virtual void paintResults(ResultTarget target, int naturalCheck) = 0;

    virtual void enableButton(ControlId id, bool enabled) = 0;
    // TableLayout::tableRect, moneyRect or betRect; never erases the background
    virtual void invalidateRect(const Rect& rect) = 0;
    virtual void updateWindow() = 0; // repaints what is invalid before it returns
};
