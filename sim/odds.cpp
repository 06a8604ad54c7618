#include "sim/odds.h"

#include "sim/chart_evaluator.h"
#include "sim/chart_search.h"

#include <vector>

namespace {
// The round for every up card, with what each has worked out of its shoe kept for the next
// question.
class Analysis {
  public:
    explicit Analysis(const Rules& rules) {
        const Composition full = sixDeckShoe();
        for (int up = 0; up < odds::values; ++up) {
            ups.emplace_back(up, rules, full);
            upChance[static_cast<std::size_t>(up)] = full[static_cast<std::size_t>(up)] / 312.0;
        }
    }

    ExactReturn roundReturn(const Chart& chart, std::int32_t stake) {
        ExactReturn sum;
        for (std::size_t up = 0; up < odds::values; ++up) {
            const ExactReturn one =
                odds::ChartEvaluator(ups[up], chart, naturalPayout(stake)).roundValue();
            sum.perRound += upChance[up] * one.perRound;
            sum.splitRate += upChance[up] * one.splitRate;
            sum.perSplitRound += upChance[up] * one.perSplitRound;
        }
        if (sum.splitRate > 0) {
            sum.perSplitRound /= sum.splitRate;
        }
        return sum;
    }

    // Starts from drawing like the dealer, with no double and no split, so that nothing of the
    // written chart goes into the computed one.
    Chart best() {
        Chart working = standingChart(17);
        for (odds::UpCardShoe& up : ups) {
            odds::improveColumn(up, working);
        }
        return working;
    }

  private:
    std::vector<odds::UpCardShoe> ups;
    std::array<double, odds::values> upChance{};
};

Analysis& gameAnalysis() {
    static Analysis analysis{Rules{}};
    return analysis;
}
} // namespace

Composition sixDeckShoe() {
    Composition shoe;
    shoe.fill(24);
    shoe[odds::ten] = 96;
    return shoe;
}

DealerOutcome dealerOutcome(const Composition& shoe, int up, const Rules& rules) {
    int size = 0;
    for (const int count : shoe) {
        size += count;
    }
    return odds::outcomeOf(odds::dealerDraws(up - 1, rules), shoe, size);
}

double naturalPayout(std::int32_t stake) {
    return static_cast<double>(std::int64_t{3} * stake / 2) / stake;
}

ExactReturn exactReturn(const Chart& chart, std::int32_t stake, const Rules& rules) {
    if (rules == Rules{}) {
        return gameAnalysis().roundReturn(chart, stake);
    }
    return Analysis(rules).roundReturn(chart, stake);
}

Chart bestChart(const Rules& rules) {
    if (rules == Rules{}) {
        return gameAnalysis().best();
    }
    return Analysis(rules).best();
}
