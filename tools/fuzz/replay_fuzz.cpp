// libFuzzer target: any bytes through the replay of quorvel-sim, checked against its contract.
#include "sim/replay.h"
#include "sim/replay_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const ReplayInput replay = splitReplayInput(input);
    // runReplay starts from a fresh table itself, exactly as the program does
    std::istringstream in{std::string(replay.presses)};
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runReplay(replay.seed, in, out, err);
    if (const auto fault = replayFault(replay.presses, exitCode, out.str(), err.str())) {
        std::fprintf(stderr, "replay fault (seed %u): %s\n", static_cast<unsigned>(replay.seed),
                     fault->c_str());
        std::abort();
    }
    return 0;
}
