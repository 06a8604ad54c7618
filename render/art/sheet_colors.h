#pragma once

#include <QColor>

// The colours of the card and badge art, and the suits it draws.

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
