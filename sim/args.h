#pragma once

#include "game/rules.h"
#include "sim/strategy.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of quorvel-sim, checked in full before anything runs.
struct SimCommand {
    enum class Kind { Replay, Play, Odds, Help, Version };
    Kind kind = Kind::Help;
    std::optional<std::uint32_t> seed;
    std::int64_t rounds = 0;
    Strategy strategy = Strategy::Basic;
    std::int32_t stake = startingBet;
    bool json = false;
    bool freshShoe = false;
};

struct ParsedArguments {
    std::optional<SimCommand> command; // empty when the arguments are wrong
    std::string error;                 // why, for standard error
};

// `arguments` leaves out the program name.
ParsedArguments parseArguments(const std::vector<std::string>& arguments);

// The command lines in short, for a wrong command line; and the whole help.
std::string usageText();
std::string helpText();
std::string versionText(); // "quorvel-sim" and the version

// A billion rounds keep the bank far inside its 32-bit range (it moves at most 20 a round and
// drifts by a few hundredths of that), so every round's result is the bank's true change.
inline constexpr std::int64_t maxRounds = 1'000'000'000;
