#include "tools/sim/args.h"

#include <gtest/gtest.h>

namespace {
TEST(Arguments, PlayWithEveryOption) {
    const auto parsed = parseArguments(
        {"play", "--rounds", "250", "--seed", "4294967295", "--strategy", "dealer", "--json"});
    ASSERT_TRUE(parsed.command) << parsed.error;
    EXPECT_EQ(parsed.command->kind, SimCommand::Kind::Play);
    EXPECT_EQ(parsed.command->rounds, 250);
    EXPECT_EQ(parsed.command->seed, 4294967295u);
    EXPECT_EQ(parsed.command->strategy, Strategy::Dealer);
    EXPECT_TRUE(parsed.command->json);
}

TEST(Arguments, ReplaySeedIsOptional) {
    const auto plain = parseArguments({"replay"});
    ASSERT_TRUE(plain.command);
    EXPECT_EQ(plain.command->kind, SimCommand::Kind::Replay);
    EXPECT_FALSE(plain.command->seed);
    const auto seeded = parseArguments({"replay", "--seed", "0"});
    ASSERT_TRUE(seeded.command);
    EXPECT_EQ(seeded.command->seed, 0u);
}

struct BadLine {
    std::vector<std::string> arguments;
    const char* mentions; // what the message must name
};

void PrintTo(const BadLine& line, std::ostream* out) {
    *out << "quorvel-sim";
    for (const std::string& argument : line.arguments) {
        *out << ' ' << (argument.empty() ? "(empty)" : argument);
    }
}

class BadArguments : public testing::TestWithParam<BadLine> {};

TEST_P(BadArguments, AreRefusedWithAReason) {
    const auto parsed = parseArguments(GetParam().arguments);
    EXPECT_FALSE(parsed.command);
    EXPECT_NE(parsed.error.find(GetParam().mentions), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadArguments,
    testing::Values(
        BadLine{{}, "no command"}, BadLine{{"deal"}, "unknown command"},
        BadLine{{"replay", "--seed", "4294967296"}, "4294967296"},
        BadLine{{"replay", "--seed", "-1"}, "-1"}, BadLine{{"replay", "--seed", "12abc"}, "12abc"},
        BadLine{{"replay", "--seed", ""}, "--seed"}, BadLine{{"replay", "--seed"}, "needs a value"},
        BadLine{{"replay", "--rounds", "5"}, "--rounds"}, BadLine{{"replay", "--json"}, "--json"},
        BadLine{{"play"}, "--rounds"}, BadLine{{"play", "--rounds", "0"}, "\"0\""},
        BadLine{{"play", "--rounds", "1000000001"}, "1000000001"},
        BadLine{{"play", "--rounds", "10", "--strategy", "card-counter"}, "card-counter"},
        BadLine{{"play", "--rounds", "10", "--fast"}, "--fast"}));
} // namespace
