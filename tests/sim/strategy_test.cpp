#include "sim/strategy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
Card named(const std::string& text) {
    static const std::string ranks = "A23456789TJQK";
    static const std::string suits = "CDHS";
    return Card{static_cast<std::int32_t>(suits.find(text[1])),
                static_cast<std::int32_t>(ranks.find(text[0])) + 1};
}

struct Situation {
    std::vector<const char*> cards; // the player's hand, e.g. {"AH", "7C"}
    const char* up;                 // the dealer's up card
    bool canDouble;
    bool canSplit;
    ControlId expected;
};

void PrintTo(const Situation& s, std::ostream* out) {
    for (const char* card : s.cards) {
        *out << card << ' ';
    }
    *out << "v " << s.up << (s.canDouble ? " double" : "") << (s.canSplit ? " split" : "");
}

class BasicStrategy : public testing::TestWithParam<Situation> {};

TEST_P(BasicStrategy, ChoosesAsTheChartSays) {
    const Situation& s = GetParam();
    Hand hand;
    handInit(hand);
    for (const char* card : s.cards) {
        handAddCard(hand, named(card));
    }
    const Decision decision{hand, named(s.up), s.canDouble, s.canSplit};
    EXPECT_EQ(chooseAction(Strategy::Basic, decision), s.expected);
}

// Corners of the chart: each face card and the ace as up card, soft and hard, pairs that are
// and are not split, and the doubles that fall back to a hit or a stand once the hand has
// taken a card.
INSTANTIATE_TEST_SUITE_P(
    Chart, BasicStrategy,
    testing::Values(Situation{{"6H", "5C"}, "KS", true, false, IDC_DOUBLE},       // 11 v 10
                    Situation{{"6H", "5C"}, "AS", true, false, IDC_HIT},          // 11 v A
                    Situation{{"6H", "5C"}, "KS", false, false, IDC_HIT},         // 11, no double
                    Situation{{"4H", "5C"}, "2S", true, false, IDC_HIT},          // 9 v 2
                    Situation{{"4H", "5C"}, "3S", true, false, IDC_DOUBLE},       // 9 v 3
                    Situation{{"TH", "2C"}, "3S", true, false, IDC_HIT},          // 12 v 3
                    Situation{{"TH", "2C"}, "4S", true, false, IDC_STAND},        // 12 v 4
                    Situation{{"TH", "6C"}, "6S", true, false, IDC_STAND},        // 16 v 6
                    Situation{{"TH", "6C"}, "7S", true, false, IDC_HIT},          // 16 v 7
                    Situation{{"TH", "6C"}, "AS", true, false, IDC_HIT},          // 16 v A
                    Situation{{"AH", "7C"}, "2S", true, false, IDC_STAND},        // soft 18 v 2
                    Situation{{"AH", "7C"}, "6S", true, false, IDC_DOUBLE},       // soft 18 v 6
                    Situation{{"AH", "7C"}, "9S", true, false, IDC_HIT},          // soft 18 v 9
                    Situation{{"AH", "4C", "3D"}, "6S", false, false, IDC_STAND}, // soft 18
                    Situation{{"AH", "2C"}, "4S", true, false, IDC_HIT},          // soft 13 v 4
                    Situation{{"AH", "2C"}, "5S", true, false, IDC_DOUBLE},       // soft 13 v 5
                    Situation{{"AH", "6C", "TD"}, "TS", false, false, IDC_STAND}, // hard 17
                    Situation{{"AH", "AC"}, "AS", true, true, IDC_SPLIT},         // aces
                    Situation{{"AH", "AC"}, "6S", true, false, IDC_HIT},          // aces, no split
                    Situation{{"8H", "8C"}, "TS", true, true, IDC_SPLIT},         // 8, 8 v 10
                    Situation{{"9H", "9C"}, "7S", true, true, IDC_STAND},         // 9, 9 v 7
                    Situation{{"9H", "9C"}, "8S", true, true, IDC_SPLIT},         // 9, 9 v 8
                    Situation{{"5H", "5C"}, "9S", true, true, IDC_DOUBLE},        // 5, 5: a 10
                    Situation{{"4H", "4C"}, "5S", true, true, IDC_SPLIT},         // 4, 4 v 5
                    Situation{{"4H", "4C"}, "4S", true, true, IDC_HIT},           // 4, 4 v 4
                    Situation{{"KH", "KC"}, "6S", true, true, IDC_STAND},         // tens stand
                    Situation{{"2H", "2C"}, "7S", true, true, IDC_SPLIT},         // 2, 2 v 7
                    Situation{{"2H", "2C"}, "8S", true, true, IDC_HIT},           // 2, 2 v 8
                    Situation{{"AH", "TC"}, "TS", true, false, IDC_STAND})); // 21 after a split

// Two aces that may not split again, in a hand of a split: the computed chart doubles against a
// six where the written one hits.
TEST(OtherStrategies, OptimalPlaysTheComputedChart) {
    Hand hand;
    handInit(hand);
    handAddCard(hand, named("AH"));
    handAddCard(hand, named("AC"));
    const Decision decision{hand, named("6S"), true, false};
    EXPECT_EQ(chooseAction(Strategy::Basic, decision), IDC_HIT);
    EXPECT_EQ(chooseAction(Strategy::Optimal, decision), IDC_DOUBLE);
}

TEST(OtherStrategies, StandAlwaysAndDealerHitsTo17) {
    Hand hand;
    handInit(hand);
    handAddCard(hand, named("TH"));
    handAddCard(hand, named("6C"));
    const Decision sixteen{hand, named("7S"), true, false};
    EXPECT_EQ(chooseAction(Strategy::Stand, sixteen), IDC_STAND);
    EXPECT_EQ(chooseAction(Strategy::Dealer, sixteen), IDC_HIT);
    handAddCard(hand, named("AD"));
    const Decision seventeen{hand, named("7S"), false, false};
    EXPECT_EQ(chooseAction(Strategy::Dealer, seventeen), IDC_STAND);
}
} // namespace
