#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs the program with `arguments` (already quoted for the shell) and `input` on stdin, or
// with standard input and output taken from the paths given.
Outcome runSim(const std::string& arguments, const std::string& input,
               const std::string& inputPath = {}, const std::string& outputPath = {}) {
    char pattern[] = "/tmp/quorvel-sim-test-XXXXXX";
    const char* dir = mkdtemp(pattern);
    EXPECT_NE(dir, nullptr);
    const std::filesystem::path base(dir);
    std::ofstream(base / "in") << input;
    const std::string in = inputPath.empty() ? (base / "in").string() : inputPath;
    const std::string out = outputPath.empty() ? (base / "out").string() : outputPath;
    const std::string command = std::string("'") + SIM_PROGRAM + "' " + arguments + " < '" + in +
                                "' > '" + out + "' 2> '" + (base / "err").string() + "'";
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.out = readAll(base / "out");
    outcome.err = readAll(base / "err");
    std::filesystem::remove_all(base);
    return outcome;
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(Program, ReplayPrintsALineForStartAndEachPress) {
    const Outcome run = runSim("replay --seed 33", "deal\nhit\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(lineCount(run.out), 3u);
    EXPECT_EQ(run.out.rfind("{\"press\":\"start\",\"accepted\":true,\"bank\":1000,", 0), 0u);
    EXPECT_EQ(run.err, "");
}

TEST(Program, UnknownWordExitsTwoNamingTheLine) {
    const Outcome run = runSim("replay --seed 33", "deal\nfold\nhit\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(lineCount(run.out), 2u); // start and deal only
    EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("fold"), std::string::npos) << run.err;
    EXPECT_EQ(lineCount(run.err), 1u);
}

TEST(Program, BadArgumentsExitTwoWithoutRunning) {
    for (const char* arguments :
         {"replay --seed 4294967296", "replay --seed x", "play", "play --rounds 10 --strategy wild",
          "shuffle", "", "play --rounds 5 --rounds 5"}) {
        const Outcome run = runSim(arguments, "deal\n");
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find("Usage:"), std::string::npos) << arguments;
    }
}

TEST(Program, EveryCommandTakesHelpAndTheProgramItsVersion) {
    for (const char* arguments : {"--help", "replay --help", "play --help", "odds -h"}) {
        const Outcome run = runSim(arguments, "");
        EXPECT_EQ(run.exitCode, 0) << arguments;
        EXPECT_EQ(run.err, "") << arguments;
        for (const char* explained :
             {"--seed N", "--rounds N", "--strategy NAME", "--stake N", "--json", "optimal",
              "dealer", "stand", "basic", "Exit codes", "--rounds=5"}) {
            EXPECT_NE(run.out.find(explained), std::string::npos) << arguments << ": " << explained;
        }
    }
    const Outcome version = runSim("--version", "");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("quorvel-sim 1.", 0), 0u) << version.out;
}

TEST(Program, AnUnreadableInputExitsTwoWithTheSystemsReason) {
    const Outcome run = runSim("replay --seed 1", "", "/");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(lineCount(run.out), 1u) << "the start-up line only";
    EXPECT_EQ(run.err, "quorvel-sim: cannot read standard input: Is a directory\n");
}

TEST(Program, AnUnwritableOutputExitsOne) {
    const Outcome run = runSim("odds", "", "", "/dev/full");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot write standard output"), std::string::npos) << run.err;
}

TEST(Program, OddsJsonHasALineForEachStrategyThenTheChart) {
    const Outcome run = runSim("odds --stake=10 --json", "");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(lineCount(run.out), 5u);
    EXPECT_EQ(run.out.rfind("{\"strategy\":\"stand\",\"stake\":10,\"return\":-0.15", 0), 0u)
        << run.out;
    EXPECT_NE(run.out.find("\n{\"chart\":\"optimal\",\"columns\":[\"2\","), std::string::npos);
}

TEST(Program, PlayJsonIsOneLineAndRepeatsWithTheSeed) {
    const Outcome first = runSim("play --rounds 3000 --seed 9 --strategy basic --json", "");
    const Outcome second = runSim("play --rounds 3000 --seed 9 --strategy basic --json", "");
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(lineCount(first.out), 1u);
    EXPECT_EQ(first.err, ""); // no progress bar when stderr is not a terminal
    const auto cut = [](const std::string& text) {
        return text.substr(0, text.find(",\"rounds_per_second\""));
    };
    EXPECT_EQ(cut(first.out), cut(second.out));
    EXPECT_NE(first.out.find("\"rounds\":3000"), std::string::npos);
}
} // namespace
