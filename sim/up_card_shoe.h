#pragma once

// The shoe of the exact analyser for one dealer up card: the chance of every deal and draw, and
// the dealer's outcome for every set of the player's cards out, worked out once for all charts.
#include "sim/dealer_draws.h"

#include <unordered_map>

namespace odds {
class UpCardShoe {
  public:
    UpCardShoe(int upIndex, const Rules& rules, const Composition& fullShoe);

    int up() const { return up_; }
    const Rules& rules() const { return rules_; }

    // Calls back with the player's two cards and their chance for every deal, given the up card.
    template <typename Each> void forEachDeal(Each each) const {
        for (int first = 0; first < values; ++first) {
            for (int second = first; second < values; ++second) {
                const PlayerHand hand = PlayerHand{}.with(first).with(second);
                const double ways = first == second ? 1 : 2;
                const double chance =
                    ways * shoe_[static_cast<std::size_t>(first)] *
                    (shoe_[static_cast<std::size_t>(second)] - (first == second)) /
                    (static_cast<double>(shoeSize_) * (shoeSize_ - 1));
                if (chance > 0) {
                    each(hand, first, second, chance);
                }
            }
        }
    }

    // The chance that a dealt pair may be split.
    double pairChance(int first, int second) const;
    // The chance that the next card drawn to the hand has value index `index`.
    double drawChance(const PlayerHand& hand, int index) const;
    // The chance that the hole card makes the dealer a natural, with the hand's cards out.
    double dealerNatural(const PlayerHand& hand) const;
    // The chance that play goes on past the deal: 1 when a natural is found only at the end.
    double noNatural(const PlayerHand& hand) const;
    // The dealer's outcome with the hand's cards out of the shoe.
    const DealerOutcome& dealer(const PlayerHand& hand);

  private:
    int up_;
    Rules rules_;
    std::vector<DealerDraw> draws_;
    Composition shoe_; // the full shoe less the up card
    int shoeSize_ = 0;
    double sameRankTens_ = 1;
    std::unordered_map<std::uint64_t, DealerOutcome> dealerCache_;
};
} // namespace odds
