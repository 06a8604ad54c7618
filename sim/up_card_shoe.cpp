#include "sim/up_card_shoe.h"

namespace odds {
UpCardShoe::UpCardShoe(int upIndex, const Rules& rules, const Composition& fullShoe)
    : up_(upIndex), rules_(rules), draws_(dealerDraws(upIndex, rules)), shoe_(fullShoe) {
    --shoe_[static_cast<std::size_t>(upIndex)];
    for (const int count : shoe_) {
        shoeSize_ += count;
    }
    // two ten-valued cards split only when they are of the same rank: four ranks of tens
    const int tensPerRank = fullShoe[ten] / 4;
    sameRankTens_ = static_cast<double>(tensPerRank - 1) / (fullShoe[ten] - 1);
}

double UpCardShoe::pairChance(int first, int second) const {
    if (first != second || !rules_.splitAllowed) {
        return 0;
    }
    return first == ten ? sameRankTens_ : 1;
}

double UpCardShoe::drawChance(const PlayerHand& hand, int index) const {
    const auto v = static_cast<std::size_t>(index);
    return static_cast<double>(shoe_[v] - hand.out[v]) / (shoeSize_ - hand.outCount);
}

double UpCardShoe::dealerNatural(const PlayerHand& hand) const {
    if (up_ != ace && up_ != ten) {
        return 0;
    }
    const auto completes = static_cast<std::size_t>(up_ == ace ? ten : ace);
    return static_cast<double>(shoe_[completes] - hand.out[completes]) /
           (shoeSize_ - hand.outCount);
}

double UpCardShoe::noNatural(const PlayerHand& hand) const {
    return rules_.naturalsSettledFirst ? 1 - dealerNatural(hand) : 1;
}

const DealerOutcome& UpCardShoe::dealer(const PlayerHand& hand) {
    const auto [where, added] = dealerCache_.try_emplace(hand.outKey());
    if (added) {
        Composition left = shoe_;
        for (std::size_t v = 0; v < values; ++v) {
            left[v] -= hand.out[v];
        }
        where->second = outcomeOf(draws_, left, shoeSize_ - hand.outCount);
    }
    return where->second;
}
} // namespace odds
