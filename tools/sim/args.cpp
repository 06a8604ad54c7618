#include "tools/sim/args.h"

#include <charconv>
#include <limits>

namespace {
// A whole number written with digits only, within [0, highest].
std::optional<std::uint64_t> wholeNumber(const std::string& text, std::uint64_t highest) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > highest) {
        return std::nullopt;
    }
    return value;
}

ParsedArguments failure(std::string error) {
    return {std::nullopt, std::move(error)};
}
} // namespace

std::string usageText() {
    return "usage: quorvel-sim replay [--seed N]\n"
           "       quorvel-sim play --rounds N [--seed N] [--strategy basic|stand|dealer] "
           "[--json]\n"
           "replay reads one button a line (deal hit stand double split betone betfive betten\n"
           "clear) and prints the table as one JSON line after start-up and after each press.\n"
           "play plays N rounds at a stake of 5 and reports the result per round.\n"
           "The seed is a whole number from 0 to 4294967295; without it the clock seeds the "
           "draws.\n";
}

ParsedArguments parseArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return failure("no command given");
    }
    SimCommand command;
    const std::string& verb = arguments[0];
    if (verb == "--help" || verb == "-h" || verb == "help") {
        return {command, {}};
    }
    if (verb == "replay") {
        command.kind = SimCommand::Kind::Replay;
    } else if (verb == "play") {
        command.kind = SimCommand::Kind::Play;
    } else {
        return failure("unknown command \"" + verb + "\"");
    }
    const bool play = command.kind == SimCommand::Kind::Play;

    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--json" && play) {
            command.json = true;
            continue;
        }
        const bool takesValue =
            option == "--seed" || (play && (option == "--rounds" || option == "--strategy"));
        if (!takesValue) {
            return failure("unknown option \"" + option + "\" for " + verb);
        }
        if (i + 1 == arguments.size()) {
            return failure(option + " needs a value");
        }
        const std::string& value = arguments[++i];
        if (option == "--seed") {
            const auto seed = wholeNumber(value, std::numeric_limits<std::uint32_t>::max());
            if (!seed) {
                return failure("--seed wants a whole number from 0 to 4294967295, not \"" + value +
                               "\"");
            }
            command.seed = static_cast<std::uint32_t>(*seed);
        } else if (option == "--rounds") {
            const auto rounds = wholeNumber(value, static_cast<std::uint64_t>(maxRounds));
            if (!rounds || *rounds == 0) {
                return failure("--rounds wants a whole number from 1 to " +
                               std::to_string(maxRounds) + ", not \"" + value + "\"");
            }
            command.rounds = static_cast<std::int64_t>(*rounds);
        } else {
            const auto strategy = strategyFromName(value);
            if (!strategy) {
                return failure("--strategy wants basic, stand or dealer, not \"" + value + "\"");
            }
            command.strategy = *strategy;
        }
    }
    if (play && command.rounds == 0) {
        return failure("play needs --rounds N");
    }
    return {command, {}};
}
