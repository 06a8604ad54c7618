#pragma once

#include <QColor>

// Cell geometry of the two sheets; the table addresses them by these numbers.
namespace SheetLayout {

inline constexpr int cellWidth = 71;
inline constexpr int cellHeight = 96;
inline constexpr int columns = 4;
inline constexpr int rows = 14;
inline constexpr int cardSheetWidth = columns * cellWidth; // 284
inline constexpr int cardSheetHeight = rows * cellHeight;  // 1344
inline constexpr int backRow = 13;
inline constexpr int coveredStripWidth = 35; // what a covered card still shows

inline constexpr int badgeHeight = 27;
inline constexpr int badgeCount = 5;
inline constexpr int resultSheetWidth = 110;
inline constexpr int resultSheetHeight = badgeCount * badgeHeight; // 135

} // namespace SheetLayout

enum class Suit { clubs, diamonds, hearts, spades };

namespace SheetColors {

inline const QColor frame{0, 0, 0};
inline const QColor face{255, 255, 255};
inline const QColor black{0, 0, 0};
inline const QColor red{204, 0, 0};
inline const QColor badge{255, 255, 0};

} // namespace SheetColors

inline bool isRedSuit(Suit suit) {
    return suit == Suit::diamonds || suit == Suit::hearts;
}

inline QColor suitColor(Suit suit) {
    return isRedSuit(suit) ? SheetColors::red : SheetColors::black;
}
