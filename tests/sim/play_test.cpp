#include "game/table_state.h"
#include "sim/play.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {
PlayReport play(TableState& table, Strategy strategy, std::int64_t rounds, std::uint32_t seed) {
    std::ostringstream progress;
    PlayOptions options;
    options.rounds = rounds;
    options.seed = seed;
    options.strategy = strategy;
    return runPlay(table, options, progress);
}

PlayReport play(Strategy strategy, std::int64_t rounds, std::uint32_t seed) {
    TableState table;
    return play(table, strategy, rounds, seed);
}

std::string withoutSpeed(const std::string& report, const std::regex& speed) {
    return std::regex_replace(report, speed, "");
}

TEST(Play, BasicBeatsStandAndDealerBeyondTheirIntervals) {
    constexpr std::int64_t rounds = 1'000'000;
    const NetResult basic = netResult(play(Strategy::Basic, rounds, 11));
    const NetResult stand = netResult(play(Strategy::Stand, rounds, 11));
    const NetResult dealer = netResult(play(Strategy::Dealer, rounds, 11));
    EXPECT_GT(basic.low, stand.high);
    EXPECT_GT(basic.low, dealer.high);
}

TEST(Play, SameSeedSameReport) {
    const PlayReport first = play(Strategy::Basic, 20'000, 77);
    const PlayReport second = play(Strategy::Basic, 20'000, 77);
    const std::regex textSpeed("speed[^\n]*\n");
    const std::regex jsonSpeed(",\"rounds_per_second\":[0-9.]+");
    EXPECT_EQ(withoutSpeed(reportText(first), textSpeed),
              withoutSpeed(reportText(second), textSpeed));
    EXPECT_EQ(withoutSpeed(reportJson(first), jsonSpeed),
              withoutSpeed(reportJson(second), jsonSpeed));
    const PlayReport other = play(Strategy::Basic, 20'000, 78);
    EXPECT_NE(withoutSpeed(reportJson(first), jsonSpeed),
              withoutSpeed(reportJson(other), jsonSpeed));
}

// The outcomes counted hand by hand must account for every unit the bank moved.
TEST(Play, HandOutcomesAddUpToTheBank) {
    for (const Strategy strategy : {Strategy::Basic, Strategy::Stand, Strategy::Dealer}) {
        TableState table;
        const PlayReport report = play(table, strategy, 50'000, 5);
        const PlayTally& t = report.tally;
        EXPECT_EQ(t.handMoney, t.netMoney) << strategyName(strategy);
        EXPECT_EQ(t.netMoney, std::int64_t{table.bank} - 1000) << strategyName(strategy);
        EXPECT_EQ(t.rounds, 50'000);
        EXPECT_EQ(t.hands, t.rounds + t.splits);
        EXPECT_EQ(t.wins + t.losses + t.pushes, t.hands);
        EXPECT_TRUE(table.bettingMode);
        EXPECT_EQ(table.bet, 5);
    }
}

TEST(Play, AFreshShoeDealsEveryRoundOffAFullShoe) {
    std::ostringstream progress;
    PlayOptions options;
    options.rounds = 1000;
    options.seed = 4;
    options.freshShoe = true;
    TableState table;
    runPlay(table, options, progress);
    const std::int32_t dealt = cardsIn(*handState(table, PlayerHandId).hand.cards) +
                               cardsIn(*handState(table, DealerHandId).hand.cards) +
                               cardsIn(*handState(table, SplitHandId).hand.cards);
    EXPECT_EQ(table.shoe.cardCount + dealt, 312);
}

TEST(Play, OnlyBasicDoublesAndSplits) {
    const PlayTally basic = play(Strategy::Basic, 20'000, 3).tally;
    EXPECT_GT(basic.doubles, 0);
    EXPECT_GT(basic.splits, 0);
    for (const Strategy strategy : {Strategy::Stand, Strategy::Dealer}) {
        const PlayTally t = play(strategy, 20'000, 3).tally;
        EXPECT_EQ(t.doubles, 0);
        EXPECT_EQ(t.splits, 0);
    }
}

TEST(NetResult, IntervalFromTheRoundResults) {
    PlayReport report;
    report.stake = 5;
    // four rounds: +1, -1, +1.4 (a natural pays 7), 0 stakes
    report.tally.rounds = 4;
    report.tally.netMoney = 5 - 5 + 7 + 0;
    report.tally.netSquares = 25 + 25 + 49 + 0;
    const NetResult net = netResult(report);
    EXPECT_DOUBLE_EQ(net.mean, 0.35);
    // sample deviation of {1, -1, 1.4, 0}: sqrt(((0.65)^2 + (1.35)^2 + (1.05)^2 + (0.35)^2) / 3)
    EXPECT_NEAR(net.sd, 1.0754844, 1e-6);
    EXPECT_NEAR(net.high - net.mean, 1.96 * net.sd / 2, 1e-12);
    EXPECT_NEAR(net.mean - net.low, 1.96 * net.sd / 2, 1e-12);
}
} // namespace
