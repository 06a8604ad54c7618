// Input that no person types: raw bytes, lines without end, and replays of many rounds.
#include "sim/replay.h"
#include "sim/replay_check.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <streambuf>

namespace {
struct ReplayResult {
    int exitCode = 0;
    std::string out;
    std::string err;
};

ReplayResult replay(const std::string& presses, std::uint32_t seed = 1) {
    std::istringstream in(presses);
    std::ostringstream out;
    std::ostringstream err;
    ReplayResult run;
    run.exitCode = runReplay(seed, in, out, err);
    run.out = out.str();
    run.err = err.str();
    EXPECT_EQ(replayFault(presses, run.exitCode, run.out, run.err), std::nullopt)
        << testing::PrintToString(presses.substr(0, 80));
    return run;
}

struct HostileLine {
    const char* name;
    std::string presses;
    const char* quoted; // as the message must show the line, or nullptr for a good replay
};

void PrintTo(const HostileLine& line, std::ostream* out) {
    *out << line.name;
}

class HostileLines : public testing::TestWithParam<HostileLine> {};

TEST_P(HostileLines, GiveAReplayOrOneClearMessage) {
    const ReplayResult run = replay(GetParam().presses);
    if (GetParam().quoted) {
        EXPECT_NE(run.err.find(GetParam().quoted), std::string::npos) << run.err;
    } else {
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replay, HostileLines,
    testing::Values(
        HostileLine{"InvalidUtf8",
                    "deal\ncle\xb6"
                    "ar\n",
                    "\"cle\\xb6ar\""},
        HostileLine{"NulByte", std::string("deal\0\n", 6), "\"deal\\u0000\""},
        HostileLine{"EscapeSequence", "\x1b[2Jdeal\n", "\"\\u001b[2Jdeal\""},
        HostileLine{"C1Control",
                    "\xc2\x9b"
                    "2J\n",
                    "\"\\xc2\\x9b2J\""},
        HostileLine{"ValidUtf8Kept", "st\xc3\xa4nd\n", "\"st\xc3\xa4nd\""},
        HostileLine{"QuoteAndBackslash", "\"\\\n", "\"\\\"\\\\\""},
        HostileLine{"LongLineCut", "deal\n" + std::string(100'000, 'x') + "\n",
                    "line 2: unknown press \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"..."},
        HostileLine{"InnerBlanks", "de al\n", "\"de al\""},
        HostileLine{"WordAmongManyBlanks",
                    std::string(50'000, ' ') + "deal" + std::string(50'000, '\t') + "\r\n",
                    nullptr},
        HostileLine{"BlankLinesOnly", std::string(10'000, '\n') + " \t\r\n", nullptr},
        HostileLine{"CrLfAndNoFinalNewline", "betten\r\ndeal\r\nstand", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// NUL bytes without end, as /dev/zero gives, counting what is read.
class EndlessZeros : public std::streambuf {
  public:
    std::size_t served = 0;

  protected:
    int_type underflow() override {
        if (served >= limit) {
            return traits_type::eof();
        }
        served += block.size();
        setg(block.data(), block.data(), block.data() + block.size());
        return traits_type::to_int_type(block[0]);
    }

  private:
    static constexpr std::size_t limit = 64 << 20;
    std::array<char, 4096> block{};
};

TEST(Replay, LineWithoutEndStopsAtOnce) {
    EndlessZeros zeros;
    std::istream in(&zeros);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runReplay(1, in, out, err), 2);
    EXPECT_LE(zeros.served, 4096u) << "the replay read on into a line that is already unknown";
    EXPECT_NE(err.str().find("line 1: unknown press \"\\u0000"), std::string::npos) << err.str();
}

// Thousands of rounds at the largest bet: the shoe is rebuilt many times and the bank runs far
// below zero or up to its limit; every line stays well formed.
TEST(Replay, ManyRoundsAtTheLargestBet) {
    std::string presses;
    for (int i = 0; i < 3000; ++i) {
        presses += "betten\nbetten\n";
    }
    for (int round = 0; round < 5000; ++round) {
        presses += round % 3 ? "deal\nhit\nstand\n" : "deal\ndouble\n";
    }
    const ReplayResult run = replay(presses, 2026);
    EXPECT_EQ(run.exitCode, 0);
    const std::string last = run.out.substr(run.out.rfind('\n', run.out.size() - 2) + 1);
    EXPECT_NE(last.find("\"bet\":60005,"), std::string::npos) << last;
}
} // namespace
