#include "cards/random.h"
#include "game/table_state.h"
#include "tests/engine/round_driver.h"
#include "tests/support/round_outcome.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {
std::int32_t handCards(const Hand& hand) {
    return cardsIn(*hand.cards);
}

void checkInvariants(const TableState& table, const RecordingView& view,
                     std::int32_t dealtSinceFill) {
    const bool betting = table.bettingMode;
    auto on = [&view](ControlId id) { return view.isEnabled(id); };
    ASSERT_EQ(on(IDC_DEAL), betting);
    for (ControlId bet : {IDC_BETONE, IDC_BETFIVE, IDC_BETTEN, IDC_CLEAR}) {
        ASSERT_EQ(on(bet), betting);
    }
    ASSERT_EQ(on(IDC_HIT), !betting);
    ASSERT_EQ(on(IDC_STAND), !betting);
    if (betting) {
        ASSERT_FALSE(on(IDC_DOUBLE));
        ASSERT_FALSE(on(IDC_SPLIT));
    }
    if (on(IDC_DOUBLE)) {
        ASSERT_EQ(handCards(handState(table, table.activeHand).hand), 2)
            << "double only as a first action";
    }
    if (on(IDC_SPLIT)) {
        ASSERT_FALSE(table.splitActive);
        ASSERT_EQ(handCards(handState(table, PlayerHandId).hand), 2);
        ASSERT_EQ(handCardAt(handState(table, PlayerHandId).hand, 1).rank,
                  handCardAt(handState(table, PlayerHandId).hand, 2).rank);
    }
    ASSERT_TRUE(table.activeHand == PlayerHandId || table.activeHand == SplitHandId);
    if (table.activeHand == SplitHandId || table.firstHandBusted ||
        handState(table, SplitHandId).doubled) {
        ASSERT_TRUE(table.splitActive);
    }
    ASSERT_EQ(handState(table, PlayerHandId).slot,
              handCards(handState(table, PlayerHandId).hand) + 1);
    ASSERT_EQ(handState(table, DealerHandId).slot,
              handCards(handState(table, DealerHandId).hand) + 1);
    ASSERT_EQ(handState(table, SplitHandId).slot,
              handCards(handState(table, SplitHandId).hand) + 1);
    ASSERT_EQ(table.shoe.cardCount, cardsIn(*table.shoe.cards));
    ASSERT_EQ(table.shoe.cardCount + dealtSinceFill, 312);
}

// 100,000 rounds by default; the sanitizer run asks for more through the environment.
int roundsToPlay() {
    const char* asked = std::getenv("QUORVEL_RANDOM_PLAY_ROUNDS");
    const int rounds = asked ? std::atoi(asked) : 0;
    return rounds > 0 ? rounds : 100'000;
}

std::string pick(std::mt19937& chooser, const std::vector<std::string>& words) {
    return words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(chooser)];
}
} // namespace

TEST(RandomPlay, EveryRoundKeepsTheRulesAndSettlesOnce) {
    constexpr int seeds = 25;
    const int roundsPerSeed = (roundsToPlay() + seeds - 1) / seeds;
    int rounds = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        TableState table;
        resetTable(table);
        randomSeed(table.shoe.random, static_cast<std::uint32_t>(seed * 7919));
        std::mt19937 chooser(static_cast<std::uint32_t>(seed));
        RecordingView view;
        std::int32_t dealtSinceFill = 0;
        for (int round = 0; round < roundsPerSeed; ++round, ++rounds) {
            while (std::uniform_int_distribution<int>(0, 3)(chooser) == 0) {
                press(table, view,
                      table.bet > 200 ? "clear" : pick(chooser, {"betone", "betfive", "betten"}));
                ASSERT_NO_FATAL_FAILURE(checkInvariants(table, view, dealtSinceFill));
            }
            const std::int32_t bankBefore = table.bank;
            if (table.cardsUntilReshuffle <= 0) {
                dealtSinceFill = 0;
            }
            press(table, view, "deal");
            dealtSinceFill += 4;
            bool endedAtDeal = table.bettingMode;
            ASSERT_NO_FATAL_FAILURE(checkInvariants(table, view, dealtSinceFill));
            while (!table.bettingMode) {
                ASSERT_EQ(table.bank, bankBefore) << "money moves only when the round ends";
                std::vector<std::string> choices = {"hit", "stand"};
                if (view.isEnabled(IDC_DOUBLE)) {
                    choices.push_back("double");
                }
                if (view.isEnabled(IDC_SPLIT)) {
                    choices.push_back("split");
                }
                const std::int32_t before = handCards(handState(table, PlayerHandId).hand) +
                                            handCards(handState(table, DealerHandId).hand) +
                                            handCards(handState(table, SplitHandId).hand);
                press(table, view, pick(chooser, choices));
                dealtSinceFill += handCards(handState(table, PlayerHandId).hand) +
                                  handCards(handState(table, DealerHandId).hand) +
                                  handCards(handState(table, SplitHandId).hand) - before;
                ASSERT_NO_FATAL_FAILURE(checkInvariants(table, view, dealtSinceFill));
            }
            ASSERT_EQ(endedAtDeal, roundHadNatural(table))
                << "seed " << seed << ", round " << round;
            ASSERT_EQ(table.bank - std::int64_t{bankBefore}, expectedSettlement(table))
                << "seed " << seed << ", round " << round;
            ASSERT_TRUE(table.dealerRevealed);
        }
    }
    EXPECT_GE(rounds, roundsToPlay());
}
