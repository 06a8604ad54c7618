#include "sim/odds.h"
#include "sim/strategy.h"

#include <gtest/gtest.h>

namespace {
// A shoe from (value, count) pairs: value 1 the ace, 10 the ten-valued cards.
Composition shoeOf(std::initializer_list<std::pair<int, int>> cards) {
    Composition shoe{};
    for (const auto& [value, count] : cards) {
        shoe[static_cast<std::size_t>(value - 1)] = count;
    }
    return shoe;
}

// The chance that the player is dealt an ace and a ten from the full shoe, and that the dealer
// then has one too.
constexpr double playerNatural = 2.0 * 24 * 96 / (312.0 * 311);
constexpr double bothNaturals = playerNatural * 2.0 * 23 * 95 / (310.0 * 309);

double basicReturn(std::int32_t stake, const Rules& rules = {}) {
    return exactReturn(chartFor(Strategy::Basic), stake, rules).perRound;
}

TEST(DealerOutcome, SixShowingOverFourCardsWorkedByHand) {
    // Two tens, a five, an ace. Hole ten (2/4): 16, then ten bust, five 21, ace 17 (1/3 each).
    // Hole five (1/4): 11, then ten 21 (2/3), or ace 12 and the last ten bust (1/3).
    // Hole ace (1/4): soft 17, which stands.
    const DealerOutcome outcome = dealerOutcome(shoeOf({{10, 2}, {5, 1}, {1, 1}}), 6);
    EXPECT_NEAR(outcome[Dealer17], 2.0 / 4 / 3 + 1.0 / 4, 1e-15);
    EXPECT_NEAR(outcome[Dealer21], 2.0 / 4 / 3 + 1.0 / 4 * 2 / 3, 1e-15);
    EXPECT_NEAR(outcome[DealerBust], 2.0 / 4 / 3 + 1.0 / 4 / 3, 1e-15);
    for (const DealerFinal none : {Dealer18, Dealer19, Dealer20, DealerNatural}) {
        EXPECT_EQ(outcome[none], 0) << none;
    }
}

TEST(DealerOutcome, AceShowingOverThreeCardsWorkedByHand) {
    // A ten, a six, a five. Hole ten (1/3): a natural. Hole six: soft 17. Hole five: soft 16,
    // then the ten (hard 16) and the six, or the six (hard 12) and the ten: over 21 either way.
    const Composition shoe = shoeOf({{10, 1}, {6, 1}, {5, 1}});
    const DealerOutcome settledFirst = dealerOutcome(shoe, 1);
    EXPECT_NEAR(settledFirst[Dealer17], 1.0 / 3, 1e-15);
    EXPECT_NEAR(settledFirst[DealerBust], 1.0 / 3, 1e-15);
    EXPECT_EQ(settledFirst[DealerNatural], 0) << "a deal with a natural is over before play";

    Rules atTheEnd;
    atTheEnd.naturalsSettledFirst = false;
    EXPECT_NEAR(dealerOutcome(shoe, 1, atTheEnd)[DealerNatural], 1.0 / 3, 1e-15);

    // hitting soft 17: ace-six draws the ten (hard 17) or the five (hard 12, then the ten)
    Rules hitsSoft17;
    hitsSoft17.dealerHitsSoft17 = true;
    const DealerOutcome hitting = dealerOutcome(shoe, 1, hitsSoft17);
    EXPECT_NEAR(hitting[Dealer17], 1.0 / 6, 1e-15);
    EXPECT_NEAR(hitting[DealerBust], 1.0 / 3 + 1.0 / 6, 1e-15);
}

TEST(ExactReturn, TheStakeChangesOnlyWhatANaturalPays) {
    EXPECT_DOUBLE_EQ(naturalPayout(5), 1.4);
    EXPECT_DOUBLE_EQ(naturalPayout(10), 1.5);
    const double at5 = basicReturn(5);
    EXPECT_NEAR(basicReturn(10) - at5, (1.5 - 1.4) * playerNatural, 1e-12);
    EXPECT_NEAR(basicReturn(7) - at5, (10.0 / 7 - 1.4) * playerNatural, 1e-12);
}

TEST(ExactReturn, ANaturalIsPaidAgainstTheDealersNatural) {
    Rules push;
    push.naturalPaidAgainstDealer21 = false;
    EXPECT_NEAR(basicReturn(5) - basicReturn(5, push), 1.4 * bothNaturals, 1e-12);
}

// The figures that the ten-million-round runs of `play` confirm (tools/odds-check.sh).
TEST(ExactReturn, FiguresConfirmedByPlay) {
    EXPECT_NEAR(exactReturn(chartFor(Strategy::Stand), 5).perRound, -0.1612457610, 1e-9);
    EXPECT_NEAR(exactReturn(chartFor(Strategy::Dealer), 5).perRound, -0.0582556742, 1e-9);
    EXPECT_NEAR(exactReturn(chartFor(Strategy::Basic), 5).perRound, -0.0042254237, 1e-9);
    EXPECT_NEAR(exactReturn(chartFor(Strategy::Basic), 5).splitRate, 0.0247633121, 1e-9);
}

struct RuleChange {
    const char* name;
    Rules rules;
    bool helpsThePlayer; // the changed rule is better for the player than the game's
};

void PrintTo(const RuleChange& change, std::ostream* out) {
    *out << change.name;
}

Rules changed(void (*change)(Rules&)) {
    Rules rules;
    change(rules);
    return rules;
}

class RuleChanges : public testing::TestWithParam<RuleChange> {};

TEST_P(RuleChanges, MoveTheReturnTheRightWay) {
    const double game = basicReturn(5);
    const double other = basicReturn(5, GetParam().rules);
    if (GetParam().helpsThePlayer) {
        EXPECT_GT(other, game + 1e-5);
    } else {
        EXPECT_LT(other, game - 1e-5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Game, RuleChanges,
    testing::Values(RuleChange{"dealer hits soft 17",
                               changed([](Rules& r) { r.dealerHitsSoft17 = true; }), false},
                    RuleChange{"dealer's natural found at the end takes every stake",
                               changed([](Rules& r) { r.naturalsSettledFirst = false; }), false},
                    RuleChange{"no split", changed([](Rules& r) { r.splitAllowed = false; }),
                               false},
                    RuleChange{"no double after a split",
                               changed([](Rules& r) { r.doubleAfterSplit = false; }), false},
                    RuleChange{"split aces take one card",
                               changed([](Rules& r) { r.hitSplitAces = false; }), false},
                    RuleChange{"an ace and a ten after a split is a natural",
                               changed([](Rules& r) { r.naturalAfterSplit = true; }), true}));

TEST(OptimalChart, NoCellCanDoBetter) {
    const Chart& best = chartFor(Strategy::Optimal);
    const double value = exactReturn(best, 5).perRound;
    EXPECT_GE(value, exactReturn(chartFor(Strategy::Basic), 5).perRound);
    // the close calls of the usual charts, and the one cell where this game differs
    struct Cell {
        char section; // h hard, s soft, p pair
        std::size_t row;
        int up;
    };
    const Cell cells[] = {{'h', 12, 2}, {'h', 12, 4}, {'h', 16, 10}, {'h', 11, 1}, {'h', 9, 2},
                          {'s', 18, 2}, {'s', 12, 6}, {'p', 9, 7},   {'p', 4, 5},  {'p', 8, 1}};
    for (const Cell& cell : cells) {
        Chart other = best;
        std::string& row = cell.section == 'h'   ? other.hard[cell.row]
                           : cell.section == 's' ? other.soft[cell.row - 12]
                                                 : other.pairs[cell.row];
        char& code = row[chartColumn(cell.up)];
        const std::string codes = cell.section == 'p' ? "P." : "HSDd";
        for (const char alternative : codes) {
            if (alternative != code) {
                const char kept = code;
                code = alternative;
                EXPECT_LE(exactReturn(other, 5).perRound, value)
                    << cell.section << cell.row << " v " << cell.up << ": " << alternative;
                code = kept;
            }
        }
    }
}
} // namespace
