#include "sim/strategy.h"

#include "sim/odds.h"

namespace {
std::int32_t cardValue(std::int32_t rank) {
    return rank > 10 ? 10 : rank;
}

// Basic strategy for six decks, the dealer standing on soft 17, doubling after a split allowed,
// no surrender; written by hand from the usual tables.
Chart basic() {
    Chart chart;
    for (int total = 0; total <= 8; ++total) {
        chart.hard[static_cast<std::size_t>(total)] = "HHHHHHHHHH";
    }
    chart.hard[9] = "HDDDDHHHHH";
    chart.hard[10] = "DDDDDDDDHH";
    chart.hard[11] = "DDDDDDDDDH";
    chart.hard[12] = "HHSSSHHHHH";
    for (int total = 13; total <= 16; ++total) {
        chart.hard[static_cast<std::size_t>(total)] = "SSSSSHHHHH";
    }
    for (int total = 17; total <= 21; ++total) {
        chart.hard[static_cast<std::size_t>(total)] = "SSSSSSSSSS";
    }
    chart.soft = {"HHHHHHHHHH", "HHHDDHHHHH", "HHHDDHHHHH", "HHDDDHHHHH", "HHDDDHHHHH",
                  "HDDDDHHHHH", "SddddSSHHH", "SSSSSSSSSS", "SSSSSSSSSS", "SSSSSSSSSS"};
    chart.pairs = {"..........", "PPPPPPPPPP", "PPPPPP....", "PPPPPP....",
                   "...PP.....", "..........", "PPPPP.....", "PPPPPP....",
                   "PPPPPPPPPP", "PPPPP.PP..", ".........."};
    return chart;
}

ControlId actionFor(char code, const Decision& decision) {
    switch (code) {
    case 'P':
        return IDC_SPLIT;
    case 'D':
        return decision.canDouble ? IDC_DOUBLE : IDC_HIT;
    case 'd':
        return decision.canDouble ? IDC_DOUBLE : IDC_STAND;
    case 'S':
        return IDC_STAND;
    default:
        return IDC_HIT;
    }
}
} // namespace

std::optional<Strategy> strategyFromName(std::string_view name) {
    for (const Strategy strategy : allStrategies) {
        if (strategyName(strategy) == name) {
            return strategy;
        }
    }
    return std::nullopt;
}

std::string_view strategyName(Strategy strategy) {
    switch (strategy) {
    case Strategy::Stand:
        return "stand";
    case Strategy::Dealer:
        return "dealer";
    case Strategy::Optimal:
        return "optimal";
    default:
        return "basic";
    }
}

const Chart& chartFor(Strategy strategy) {
    static const Chart basicChart = basic();
    static const Chart standChart = standingChart(0);
    static const Chart dealerChart = standingChart(17);
    switch (strategy) {
    case Strategy::Stand:
        return standChart;
    case Strategy::Dealer:
        return dealerChart;
    case Strategy::Optimal: {
        static const Chart optimalChart = bestChart(Rules{});
        return optimalChart;
    }
    default:
        return basicChart;
    }
}

ControlId chooseAction(Strategy strategy, const Decision& decision) {
    const Hand& hand = decision.hand;
    const int pairValue = decision.canSplit ? cardValue(hand.cards->head->rank) : 0;
    return actionFor(chartCode(chartFor(strategy), hand.total, hand.softAces > 0, pairValue,
                               cardValue(decision.dealerUp.rank)),
                     decision);
}
