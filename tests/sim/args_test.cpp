#include "sim/args.h"

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

TEST(Arguments, ValuesMayBeJoinedWithAnEqualsSign) {
    const auto parsed =
        parseArguments({"play", "--rounds=250", "--seed=7", "--strategy=optimal", "--json"});
    ASSERT_TRUE(parsed.command) << parsed.error;
    EXPECT_EQ(parsed.command->rounds, 250);
    EXPECT_EQ(parsed.command->seed, 7u);
    EXPECT_EQ(parsed.command->strategy, Strategy::Optimal);
}

TEST(Arguments, OddsTakesAStakeOfFiveOrMore) {
    const auto parsed = parseArguments({"odds", "--stake", "10", "--json"});
    ASSERT_TRUE(parsed.command) << parsed.error;
    EXPECT_EQ(parsed.command->kind, SimCommand::Kind::Odds);
    EXPECT_EQ(parsed.command->stake, 10);
    EXPECT_TRUE(parsed.command->json);
    EXPECT_EQ(parseArguments({"odds"}).command->stake, 5);
}

TEST(Arguments, HelpAfterAnyCommandAndVersion) {
    for (const char* verb : {"replay", "play", "odds"}) {
        EXPECT_EQ(parseArguments({verb, "--help"}).command->kind, SimCommand::Kind::Help) << verb;
    }
    EXPECT_EQ(parseArguments({"play", "--rounds", "3", "-h"}).command->kind,
              SimCommand::Kind::Help);
    EXPECT_EQ(parseArguments({"--version"}).command->kind, SimCommand::Kind::Version);
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
        BadLine{{"play", "--rounds", "10", "--fast"}, "--fast"},
        BadLine{{"play", "--rounds", "5", "--rounds=6"}, "--rounds is given more than once"},
        BadLine{{"play", "--rounds", "5", "--json", "--json"}, "--json is given more than once"},
        BadLine{{"play", "--rounds", "5", "--json=yes"}, "--json takes no value"},
        BadLine{{"play", "--rounds="}, "--rounds wants"},
        BadLine{{"odds", "--stake", "4"}, "\"4\""},
        BadLine{{"odds", "--stake", "2147483648"}, "2147483648"},
        BadLine{{"odds", "--seed", "3"}, "--seed"}, BadLine{{"replay", "--version"}, "--version"}));
} // namespace
