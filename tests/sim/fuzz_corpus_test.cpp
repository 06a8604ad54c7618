// The fuzz target's committed corpus through the built program, judged by the target's own
// check, and that check shown to catch broken output.
#include "sim/replay.h"
#include "sim/replay_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/wait.h>

namespace {
namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

Outcome runProgram(std::uint32_t seed, std::string_view presses) {
    char pattern[] = "/tmp/quorvel-fuzz-corpus-XXXXXX";
    const char* dir = mkdtemp(pattern);
    EXPECT_NE(dir, nullptr);
    const fs::path base(dir);
    std::ofstream(base / "in", std::ios::binary) << presses;
    const std::string command = std::string("'") + SIM_PROGRAM + "' replay --seed " +
                                std::to_string(seed) + " < '" + (base / "in").string() + "' > '" +
                                (base / "out").string() + "' 2> '" + (base / "err").string() + "'";
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.out = readAll(base / "out");
    outcome.err = readAll(base / "err");
    fs::remove_all(base);
    return outcome;
}

TEST(FuzzCorpus, EveryInputKeepsTheReplayContract) {
    std::set<int> exitCodes;
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(FUZZ_CORPUS_DIR)) {
        const std::string input = readAll(entry.path());
        const ReplayInput replay = splitReplayInput(input);
        const Outcome run = runProgram(replay.seed, replay.presses);
        EXPECT_EQ(replayFault(replay.presses, run.exitCode, run.out, run.err), std::nullopt)
            << entry.path().filename();
        exitCodes.insert(run.exitCode);
        ++files;
    }
    EXPECT_GE(files, 10u);
    EXPECT_EQ(exitCodes, (std::set<int>{0, 2})) << "the corpus should hold both outcomes";
}

TEST(FuzzCorpus, FirstLineIsTheSeedOnlyWhenTheProgramWouldTakeIt) {
    const std::vector<std::tuple<std::string, std::uint32_t, std::string>> cases{
        {"305\ndeal\n", 305, "deal\n"},
        {"4294967295\n", 4294967295u, ""},
        {"4294967296\ndeal\n", 0, "4294967296\ndeal\n"},
        {"21\r\ndeal\n", 0, "21\r\ndeal\n"},
        {"deal\nhit\n", 0, "deal\nhit\n"},
        {"77", 0, "77"},
    };
    for (const auto& [input, seed, presses] : cases) {
        const ReplayInput replay = splitReplayInput(input);
        EXPECT_EQ(replay.seed, seed) << input;
        EXPECT_EQ(replay.presses, presses) << input;
    }
}

// A true replay, then each way of breaking it that the fuzz target must report.
TEST(FuzzCheck, ReportsBrokenResults) {
    const std::string presses = "deal\n\nstand\nfold\nhit\n";
    std::istringstream in(presses);
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runReplay(7, in, out, err);
    ASSERT_EQ(replayFault(presses, exitCode, out.str(), err.str()), std::nullopt) << err.str();
    const std::string lines = out.str();
    const std::string message = err.str();
    const std::string lastLine = lines.substr(lines.rfind('\n', lines.size() - 2) + 1);

    struct Broken {
        const char* what;
        int exitCode;
        std::string out;
        std::string err;
    };
    const std::vector<Broken> broken{
        {"exit code 0", 0, lines, message},
        {"a line after the bad one", 2, lines + lastLine, message},
        {"a line missing", 2, lines.substr(0, lines.size() - lastLine.size()), message},
        {"an unclosed object", 2, lines.substr(0, lines.size() - 2) + "\n", message},
        {"an unclosed string", 2, lines.substr(0, lines.size() - 3) + "}\n", message},
        {"no message", 2, lines, ""},
        {"the wrong line named", 2, lines, "quorvel-sim: line 3: unknown press \"fold\"\n"},
        {"a message of two lines", 2, lines, message + message},
        {"raw bytes in the message", 2, lines, "line 4: \"\xb6\"\n"},
        {"a message that copies the input", 2, lines, "line 4: " + std::string(500, 'x') + "\n"},
    };
    for (const Broken& result : broken) {
        EXPECT_NE(replayFault(presses, result.exitCode, result.out, result.err), std::nullopt)
            << result.what;
    }
}
} // namespace
