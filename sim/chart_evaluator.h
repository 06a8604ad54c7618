#pragma once

// The value of every hand of one up card as one chart plays it, as `play` reads the chart.
// Values are "joint": the expected result times the chance that the dealer has no natural when
// naturals are settled first, which lets hands of different shoes be added up as they stand.
// An evaluator lives no longer than the chart it reads: make one for each chart asked about.
#include "sim/chart.h"
#include "sim/up_card_shoe.h"

namespace odds {
class ChartEvaluator {
  public:
    ChartEvaluator(UpCardShoe& shoe, const Chart& chart, double naturalPays = 1.5)
        : shoe_(shoe), chart_(chart), naturalPays_(naturalPays) {}
    ChartEvaluator(const ChartEvaluator&) = delete;
    ChartEvaluator& operator=(const ChartEvaluator&) = delete;

    // The expected result of a round with this up card, and of the rounds that are split.
    ExactReturn roundValue();

    double stand(const PlayerHand& hand);
    double hit(const PlayerHand& hand);
    double doubled(const PlayerHand& hand);
    double split(const PlayerHand& pair);
    // The hand's value as the chart plays it.
    double handValue(const PlayerHand& hand, bool canDouble, bool canSplit);

    // The first hand of a split, with one pair card; its card and the rest of its play. The
    // second hand is worth the same: each plays as if the other drew nothing.
    static PlayerHand splitHand(const PlayerHand& pair);
    char codeFor(const PlayerHand& hand, bool canSplit) const;

  private:
    // A hand over 21 loses its stakes whatever the dealer holds.
    double bust(const PlayerHand& hand, double stakes) const;
    // A hand of a split with its second card.
    double splitHandValue(const PlayerHand& hand);
    // The expected value over the next card drawn to the hand.
    template <typename Value> double overNextCard(const PlayerHand& hand, Value value);

    UpCardShoe& shoe_;
    const Chart& chart_;
    double naturalPays_;
    std::unordered_map<std::uint64_t, double> values_;
};
} // namespace odds
