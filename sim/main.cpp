#include "quorvel_identity.h"
#include "sim/args.h"
#include "sim/odds_report.h"
#include "sim/play.h"
#include "sim/replay.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <iostream>
#include <streambuf>
#include <unistd.h>

namespace {
// Long runs only: a short one is over before a bar would mean anything.
constexpr std::int64_t progressRounds = 200'000;

// Standard input read straight from its file descriptor, so that a read that fails (on a
// directory, say) is told apart from the end of the input, with the system's reason kept.
class DescriptorInput : public std::streambuf {
  public:
    explicit DescriptorInput(int descriptor) : descriptor(descriptor) {}
    int error() const { return failure; }

  protected:
    int_type underflow() override {
        while (failure == 0) {
            const ssize_t got = ::read(descriptor, buffer.data(), buffer.size());
            if (got > 0) {
                setg(buffer.data(), buffer.data(), buffer.data() + got);
                return traits_type::to_int_type(buffer[0]);
            }
            if (got == 0) {
                break;
            }
            if (errno != EINTR) {
                failure = errno;
            }
        }
        return traits_type::eof();
    }

  private:
    int descriptor;
    int failure = 0;
    std::array<char, 1 << 16> buffer{};
};

int replay(const SimCommand& command) {
    DescriptorInput input(STDIN_FILENO);
    std::istream presses(&input);
    const int result = runReplay(command.seed, presses, std::cout, std::cerr);
    if (result == 0 && input.error() != 0) {
        std::cout.flush();
        std::cerr << simProgramName
                  << ": cannot read standard input: " << std::strerror(input.error()) << "\n";
        return 2;
    }
    return result;
}

int play(const SimCommand& command) {
    PlayOptions options;
    options.rounds = command.rounds;
    // without a seed the clock seeds the draws, as at the game's start-up; it is reported so
    // that the run can be repeated
    options.seed = command.seed ? *command.seed : static_cast<std::uint32_t>(std::time(nullptr));
    options.strategy = command.strategy;
    options.freshShoe = command.freshShoe;
    options.showProgress = command.rounds >= progressRounds && isatty(STDERR_FILENO);
    const PlayReport report = runPlay(options, std::cerr);
    std::cout << (command.json ? reportJson(report) + "\n" : reportText(report));
    return 0;
}

int odds(const SimCommand& command) {
    const OddsReport report = runOdds(command.stake);
    std::cout << (command.json ? oddsJson(report) : oddsText(report));
    return 0;
}

int run(const SimCommand& command) {
    switch (command.kind) {
    case SimCommand::Kind::Replay:
        return replay(command);
    case SimCommand::Kind::Play:
        return play(command);
    case SimCommand::Kind::Odds:
        return odds(command);
    case SimCommand::Kind::Version:
        std::cout << versionText();
        return 0;
    default:
        std::cout << helpText();
        return 0;
    }
}
} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.command) {
        std::cerr << simProgramName << ": " << parsed.error << "\n"
                  << usageText() << "Try '" << simProgramName << " --help' for more.\n";
        return 2;
    }
    const int result = run(*parsed.command);
    if (!std::cout.flush()) {
        const int reason = errno;
        std::cerr << simProgramName << ": cannot write standard output"
                  << (reason ? std::string(": ") + std::strerror(reason) : std::string()) << "\n";
        return 1;
    }
    return result;
}
