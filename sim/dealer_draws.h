#pragma once

// The dealer's side of the exact analyser: every way the dealer's hand can end for an up card,
// and the chance of each from a given shoe.
#include "sim/odds_hand.h"

#include <vector>

namespace odds {
// One set of cards that ends the dealer's hand, with the number of orders in which the dealer
// can draw it (an order that would have stood earlier does not count). The chance of each order
// depends only on the set, so the chance of the set is that number times the chance of one.
struct DealerDraw {
    std::array<std::uint8_t, values> counts{};
    int size = 0;
    DealerFinal result = Dealer17;
    double orders = 0;
};

// Every way the dealer's hand can end, for an up card (by index) and the rules.
std::vector<DealerDraw> dealerDraws(int upIndex, const Rules& rules);

// The chance of each way the dealer's hand ends, drawing from `shoe` of `size` cards.
DealerOutcome outcomeOf(const std::vector<DealerDraw>& draws, const Composition& shoe, int size);
} // namespace odds
