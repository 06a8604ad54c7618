#include "sim/args.h"

#include "quorvel_identity.h"

#include <charconv>
#include <limits>
#include <set>

namespace {
// A whole number written with digits only, within [lowest, highest].
std::optional<std::uint64_t> wholeNumber(const std::string& text, std::uint64_t lowest,
                                         std::uint64_t highest) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

ParsedArguments failure(std::string error) {
    return {std::nullopt, std::move(error)};
}

bool isHelp(const std::string& word) {
    return word == "--help" || word == "-h";
}

// The options each command takes: those with a value, and the flags.
struct Options {
    std::set<std::string> valued;
    std::set<std::string> flags;
};

Options optionsOf(SimCommand::Kind kind) {
    switch (kind) {
    case SimCommand::Kind::Replay:
        return {{"--seed"}, {}};
    case SimCommand::Kind::Play:
        return {{"--rounds", "--seed", "--strategy"}, {"--json", "--fresh-shoe"}};
    default:
        return {{"--stake"}, {"--json"}};
    }
}

// Sets the option's value on the command, or says what is wrong with it.
std::optional<std::string> apply(SimCommand& command, const std::string& option,
                                 const std::string& value) {
    if (option == "--seed") {
        const auto seed = wholeNumber(value, 0, std::numeric_limits<std::uint32_t>::max());
        if (!seed) {
            return "--seed wants a whole number from 0 to 4294967295, not \"" + value + "\"";
        }
        command.seed = static_cast<std::uint32_t>(*seed);
    } else if (option == "--rounds") {
        const auto rounds = wholeNumber(value, 1, static_cast<std::uint64_t>(maxRounds));
        if (!rounds) {
            return "--rounds wants a whole number from 1 to " + std::to_string(maxRounds) +
                   ", not \"" + value + "\"";
        }
        command.rounds = static_cast<std::int64_t>(*rounds);
    } else if (option == "--stake") {
        const auto stake =
            wholeNumber(value, startingBet, std::numeric_limits<std::int32_t>::max());
        if (!stake) {
            return "--stake wants a whole number from " + std::to_string(startingBet) +
                   " to 2147483647, not \"" + value + "\"";
        }
        command.stake = static_cast<std::int32_t>(*stake);
    } else {
        const auto strategy = strategyFromName(value);
        if (!strategy) {
            return "--strategy wants stand, dealer, basic or optimal, not \"" + value + "\"";
        }
        command.strategy = *strategy;
    }
    return std::nullopt;
}
} // namespace

std::string usageText() {
    const std::string program = simProgramName;
    return "Usage: " + program + " replay [--seed N] < presses.txt\n" + "  or:  " + program +
           " play --rounds N [OPTION]...\n" + "  or:  " + program + " odds [--stake N] [--json]\n" +
           "  or:  " + program + " --help | --version\n";
}

std::string helpText() {
    return usageText() +
           "\n"
           "Plays the game's own round logic without a window.\n"
           "\n"
           "Commands:\n"
           "  replay  Reads button presses on standard input, one word a line (deal, hit,\n"
           "          stand, double, split, betone, betfive, betten, clear; blank lines are\n"
           "          skipped) and prints the table as one JSON line after start-up and after\n"
           "          each press. A greyed button is not pressed: its line says accepted false.\n"
           "  play    Plays N rounds at a stake of " +
           std::to_string(startingBet) +
           ", pressing only enabled buttons, and\n"
           "          reports the net result per round in stakes with its 95% confidence\n"
           "          interval, the rates of wins, losses, pushes, naturals, doubles and\n"
           "          splits, and the speed. A progress bar shows on a terminal.\n"
           "  odds    Works out exactly, by combinatorics off a full six-deck shoe, the\n"
           "          expected net result per round of each strategy, and prints the optimal\n"
           "          chart beside the basic one.\n"
           "\n"
           "Options:\n"
           "  --seed N         replay, play: fixes the draws; a whole number from 0 to\n"
           "                   4294967295. Without it the clock seeds them, as in the game;\n"
           "                   play reports the seed it used.\n"
           "  --rounds N       play: how many rounds, 1 to 1000000000 (required).\n"
           "  --strategy NAME  play: how the player decides (default basic):\n"
           "                     stand    always stands;\n"
           "                     dealer   hits while 16 or less, as the dealer does;\n"
           "                     basic    the usual six-deck chart, written by hand;\n"
           "                     optimal  the chart that odds computes as the best for this\n"
           "                              game (worked out when play starts).\n"
           "  --stake N        odds: the stake, " +
           std::to_string(startingBet) + " to 2147483647 (default " + std::to_string(startingBet) +
           ", the stake play\n"
           "                   uses). A natural pays 3 x stake / 2 in whole units (7 on 5,\n"
           "                   15 on 10), so the return in stakes depends on it.\n"
           "  --fresh-shoe     play: deals every round off a full shoe, as odds reckons,\n"
           "                   instead of the game's " +
           std::to_string(firstShoeCards) + " and then " + std::to_string(laterShoeCards) +
           " cards a shoe.\n"
           "  --json           play: the report as one JSON object on one line.\n"
           "                   odds: one JSON object a line for each strategy, then the\n"
           "                   optimal chart as one object.\n"
           "  --help, -h       this text, also after a command; --version the version.\n"
           "A value follows its option as the next word or after '=' (--rounds=5). Each\n"
           "option may be given once.\n"
           "\n"
           "Exit codes: 0 done; 1 the output could not be written; 2 a wrong command line,\n"
           "an unknown press on replay's input, or an input that cannot be read (the\n"
           "message gives the system's reason).\n";
}

ParsedArguments parseArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return failure("no command given");
    }
    SimCommand command;
    const std::string& verb = arguments[0];
    if (isHelp(verb) || verb == "help") {
        return {command, {}};
    }
    if (verb == "--version") {
        command.kind = SimCommand::Kind::Version;
        return {command, {}};
    }
    if (verb == "replay") {
        command.kind = SimCommand::Kind::Replay;
    } else if (verb == "play") {
        command.kind = SimCommand::Kind::Play;
    } else if (verb == "odds") {
        command.kind = SimCommand::Kind::Odds;
    } else {
        return failure("unknown command \"" + verb + "\"");
    }

    const Options options = optionsOf(command.kind);
    std::set<std::string> given;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (isHelp(arguments[i])) {
            command.kind = SimCommand::Kind::Help;
            return {command, {}};
        }
        const std::size_t equals = arguments[i].find('=');
        const bool joined = arguments[i].rfind("--", 0) == 0 && equals != std::string::npos;
        const std::string option = joined ? arguments[i].substr(0, equals) : arguments[i];
        const bool flag = options.flags.count(option) > 0;
        if (!flag && options.valued.count(option) == 0) {
            return failure("unknown option \"" + option + "\" for " + verb);
        }
        if (!given.insert(option).second) {
            return failure(option + " is given more than once");
        }
        if (flag) {
            if (joined) {
                return failure(option + " takes no value");
            }
            (option == "--json" ? command.json : command.freshShoe) = true;
            continue;
        }
        if (!joined && i + 1 == arguments.size()) {
            return failure(option + " needs a value");
        }
        const std::string value = joined ? arguments[i].substr(equals + 1) : arguments[++i];
        if (const auto wrong = apply(command, option, value)) {
            return failure(*wrong);
        }
    }
    if (command.kind == SimCommand::Kind::Play && command.rounds == 0) {
        return failure("play needs --rounds N");
    }
    return {command, {}};
}

std::string versionText() {
    return std::string(simProgramName) + " " + quorvelVersion + "\n";
}
