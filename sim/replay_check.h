#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One input of the replay fuzz target. When its first line is a seed that
// `quorvel-sim replay --seed` accepts, that line fixes the draws and the presses follow it;
// otherwise the whole input is the presses, replayed with seed 0.
struct ReplayInput {
    std::uint32_t seed = 0;
    std::string_view presses;
};

ReplayInput splitReplayInput(std::string_view input);

// What `runReplay` must do with any presses: exit 2 with one clear line on the error stream
// naming the first line that is no button word, and a state line for each press before it;
// or exit 0 with nothing on the error stream and a state line after start-up and after each
// non-blank line. Each state line is one well-formed JSON object headed by its press.
// Returns what is wrong, or nothing when the result keeps to that.
std::optional<std::string> replayFault(std::string_view presses, int exitCode, std::string_view out,
                                       std::string_view err);
