#include "tools/sim/args.h"
#include "tools/sim/play.h"
#include "tools/sim/replay.h"

#include <ctime>
#include <iostream>
#include <unistd.h>

namespace {
// Long runs only: a short one is over before a bar would mean anything.
constexpr std::int64_t progressRounds = 200'000;

int play(const SimCommand& command) {
    PlayOptions options;
    options.rounds = command.rounds;
    // without a seed the clock seeds the draws, as at the game's start-up; it is reported so
    // that the run can be repeated
    options.seed = command.seed ? *command.seed : static_cast<std::uint32_t>(std::time(nullptr));
    options.strategy = command.strategy;
    options.showProgress = command.rounds >= progressRounds && isatty(STDERR_FILENO);
    const PlayReport report = runPlay(options, std::cerr);
    if (command.json) {
        std::cout << reportJson(report) << '\n';
    } else {
        std::cout << reportText(report);
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.command) {
        std::cerr << "quorvel-sim: " << parsed.error << "\n" << usageText();
        return 2;
    }
    const SimCommand& command = *parsed.command;
    switch (command.kind) {
    case SimCommand::Kind::Replay:
        return runReplay(command.seed, std::cin, std::cout, std::cerr);
    case SimCommand::Kind::Play:
        return play(command);
    default:
        std::cout << usageText();
        return 0;
    }
}
