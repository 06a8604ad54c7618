#pragma once

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

// Right and bottom edges are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr Rect tableRect{0, 0, 600, 340};
inline constexpr Rect moneyRect{505, 360, 545, 385};
inline constexpr Rect betRect{325, 340, 450, 355};

class TableView {
  public:
    virtual ~TableView() = default;

    virtual void clearTable() = 0; // empty card area with the two hand labels
    virtual void paintCounts() = 0;
    virtual void paintMoney() = 0;
    virtual void paintBet() = 0;
    virtual void paintSplitLabel() = 0; // "Split Hand" at (300, 155)
    virtual void paintNextCard(HandId hand) = 0;
    virtual void paintResults(ResultTarget target, int naturalCheck) = 0;

    virtual void enableButton(ControlId id, bool enabled) = 0;
    virtual void invalidateRect(const Rect& rect) = 0; // never erases the background
    virtual void updateWindow() = 0;                   // repaints what is invalid before it returns
};
