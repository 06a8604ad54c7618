#include "sim/replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
struct ReplayRun {
    int exitCode = 0;
    std::vector<std::string> lines;
    std::string errors;
};

ReplayRun replay(std::uint32_t seed, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    ReplayRun run;
    run.exitCode = runReplay(seed, in, out, err);
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) {
        run.lines.push_back(line);
    }
    run.errors = err.str();
    return run;
}

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    EXPECT_TRUE(file) << "cannot read " << path;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The line without its press, its acceptance and its view: the state alone.
std::string stateOnly(const std::string& line) {
    const auto bank = line.find("\"bank\"");
    const auto view = line.find(",\"view\"");
    return line.substr(bank, view - bank);
}

// Each case was found by seed and checked card by card against the rules: the draws against
// the generator and the ordered shoe, the bank, the counts, the buttons and the order of the
// view's calls.
struct PinnedCase {
    const char* name;
    std::uint32_t seed;
};

void PrintTo(const PinnedCase& pinned, std::ostream* out) {
    *out << pinned.name;
}

class PinnedReplay : public testing::TestWithParam<PinnedCase> {};

TEST_P(PinnedReplay, PrintsTheExpectedLines) {
    const std::string base = std::string(REPLAY_CASES_DIR) + "/" + GetParam().name;
    const ReplayRun run = replay(GetParam().seed, fileText(base + ".in"));
    std::istringstream expected(fileText(base + ".expected"));
    std::size_t index = 0;
    for (std::string line; std::getline(expected, line); ++index) {
        ASSERT_LT(index, run.lines.size());
        EXPECT_EQ(run.lines[index], line) << "line " << index + 1;
    }
    EXPECT_EQ(run.lines.size(), index);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, "");
}

INSTANTIATE_TEST_SUITE_P(Rounds, PinnedReplay,
                         testing::Values(
                             // both sides dealt 21: the player is paid 7, no push
                             PinnedCase{"natural_both_seed498", 498},
                             // 8, 8 split against 10, 4; both hands 18, the dealer busts on 24
                             PinnedCase{"split_eights_seed305", 305},
                             // 4, 9 hit with a 10: 23, the dealer turns 12 and draws nothing
                             PinnedCase{"hit_to_23_seed33", 33}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Replay, DisabledPressChangesNothingAndShowsNoView) {
    const ReplayRun run = replay(33, "hit\ndeal\nbetten\ndeal\nsplit\nstand\nclear\n");
    ASSERT_EQ(run.lines.size(), 8u);
    const std::vector<std::pair<std::size_t, const char*>> greyed{
        {1, "hit"}, {3, "betten"}, {4, "deal"}, {5, "split"}};
    for (const auto& [index, word] : greyed) {
        const std::string& line = run.lines[index];
        EXPECT_EQ(line.rfind("{\"press\":\"" + std::string(word) + "\",\"accepted\":false,", 0), 0u)
            << line;
        EXPECT_NE(line.find(",\"view\":[]}"), std::string::npos) << line;
        EXPECT_EQ(stateOnly(line), stateOnly(run.lines[index - 1])) << word;
    }
    EXPECT_NE(run.lines[2].find("\"accepted\":true"), std::string::npos);
    EXPECT_NE(run.lines[7].find("{\"press\":\"clear\",\"accepted\":true,"), std::string::npos);
    EXPECT_NE(run.lines[7].find("\"view\":[\"paintBet\",\"invalidate:bet\",\"update\"]"),
              std::string::npos);
}

TEST(Replay, UnknownWordStopsWithTheLineNamed) {
    const ReplayRun run = replay(1, "deal\n\nstand\nhold\ndeal\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.lines.size(), 3u); // start, deal, stand; nothing for the bad line or after it
    EXPECT_NE(run.errors.find("line 4"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("\"hold\""), std::string::npos) << run.errors;
}

TEST(Replay, SameSeedSameLines) {
    const std::string presses = "betone\ndeal\nhit\nstand\ndeal\nstand\ndeal\ndouble\n";
    const ReplayRun first = replay(2024, presses);
    const ReplayRun second = replay(2024, presses);
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_NE(first.lines, replay(2025, presses).lines);
}

} // namespace
