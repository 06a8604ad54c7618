#include "sim/chart_evaluator.h"

namespace odds {
ExactReturn ChartEvaluator::roundValue() {
    const Rules& rules = shoe_.rules();
    ExactReturn sum;
    shoe_.forEachDeal([&](const PlayerHand& hand, int first, int second, double chance) {
        if (isNatural(first, second)) {
            const double paid =
                rules.naturalPaidAgainstDealer21 ? 1 : 1 - shoe_.dealerNatural(hand);
            sum.perRound += chance * naturalPays_ * paid;
            return;
        }
        double value = rules.naturalsSettledFirst ? shoe_.noNatural(hand) - 1 : 0;
        const double splittable = shoe_.pairChance(first, second);
        if (splittable > 0) {
            const double asPair = handValue(hand, true, true);
            value += splittable * asPair;
            if (codeFor(hand, true) == 'P') {
                sum.splitRate += chance * splittable * shoe_.noNatural(hand);
                sum.perSplitRound += chance * splittable * asPair;
            }
        }
        value += (1 - splittable) * handValue(hand, true, false);
        sum.perRound += chance * value;
    });
    return sum;
}

double ChartEvaluator::stand(const PlayerHand& hand) {
    const DealerOutcome& outcome = shoe_.dealer(hand);
    const int total = hand.total();
    double value = outcome[DealerBust] - outcome[DealerNatural];
    for (int final = Dealer17; final <= Dealer21; ++final) {
        const int dealerTotal = 17 + final - Dealer17;
        const double chance = outcome[static_cast<std::size_t>(final)];
        value += total > dealerTotal ? chance : total < dealerTotal ? -chance : 0;
    }
    return value;
}

double ChartEvaluator::bust(const PlayerHand& hand, double stakes) const {
    return -stakes * shoe_.noNatural(hand);
}

template <typename Value> double ChartEvaluator::overNextCard(const PlayerHand& hand, Value value) {
    double sum = 0;
    for (int index = 0; index < values; ++index) {
        const double chance = shoe_.drawChance(hand, index);
        if (chance > 0) {
            sum += chance * value(hand.with(index));
        }
    }
    return sum;
}

double ChartEvaluator::hit(const PlayerHand& hand) {
    return overNextCard(hand, [this](const PlayerHand& next) {
        return next.hard > 21 ? bust(next, 1) : handValue(next, false, false);
    });
}

double ChartEvaluator::doubled(const PlayerHand& hand) {
    return overNextCard(hand, [this](const PlayerHand& next) {
        return next.hard > 21 ? bust(next, 2) : 2 * stand(next);
    });
}

PlayerHand ChartEvaluator::splitHand(const PlayerHand& pair) {
    const int pairCard = pair.hard / 2 - 1; // two aces count 2 as hard
    PlayerHand hand = PlayerHand{}.with(pairCard);
    ++hand.out[static_cast<std::size_t>(pairCard)];
    ++hand.outCount;
    hand.pairCardOut = pairCard;
    return hand;
}

double ChartEvaluator::split(const PlayerHand& pair) {
    return 2 * overNextCard(splitHand(pair),
                            [this](const PlayerHand& next) { return splitHandValue(next); });
}

double ChartEvaluator::splitHandValue(const PlayerHand& hand) {
    const Rules& rules = shoe_.rules();
    if (rules.naturalAfterSplit && hand.total() == 21) { // an ace and a ten
        return naturalPays_ * shoe_.noNatural(hand);
    }
    if (hand.pairCardOut == ace && !rules.hitSplitAces) {
        return stand(hand);
    }
    return handValue(hand, rules.doubleAfterSplit, false);
}

char ChartEvaluator::codeFor(const PlayerHand& hand, bool canSplit) const {
    const int pairValue = canSplit ? hand.hard / 2 : 0; // two aces count 2 as hard
    return chartCode(chart_, hand.total(), hand.soft(), pairValue, valueAt(shoe_.up()));
}

double ChartEvaluator::handValue(const PlayerHand& hand, bool canDouble, bool canSplit) {
    const std::uint64_t key = hand.outKey() |
                              static_cast<std::uint64_t>(hand.pairCardOut + 1) << 50 |
                              std::uint64_t{canDouble} << 54 | std::uint64_t{canSplit} << 55;
    if (const auto found = values_.find(key); found != values_.end()) {
        return found->second;
    }
    double value = 0;
    switch (codeFor(hand, canSplit)) {
    case 'P':
        value = canSplit ? split(hand) : hit(hand);
        break;
    case 'D':
        value = canDouble ? doubled(hand) : hit(hand);
        break;
    case 'd':
        value = canDouble ? doubled(hand) : stand(hand);
        break;
    case 'S':
        value = stand(hand);
        break;
    default:
        value = hit(hand);
    }
    values_.emplace(key, value);
    return value;
}
} // namespace odds
