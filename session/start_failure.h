#pragma once

// What the player is told when Qt can open none of the platforms it tried. The first line is the
// one the game has always given when it cannot make its window, kept word for word for players
// and scripts that look for it; the cause follows on its own line.
#include <string>
#include <vector>

inline constexpr const char* startupFailureText = "Error - Class Registration Failed";

// The variables that tell Qt which platforms to try and where their displays are.
struct PlatformEnvironment {
    std::string platform;       // QT_QPA_PLATFORM, empty when not set
    std::string xDisplay;       // DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY
    std::string runtimeDir;     // XDG_RUNTIME_DIR, where a Wayland socket name is looked up
};
PlatformEnvironment currentPlatformEnvironment();

// The cause in plain words, naming the displays tried: "No X display could be reached
// (QT_QPA_PLATFORM=xcb): DISPLAY=:5 does not answer." `missingPlugins` are the names Qt said
// it has no plugin for.
std::string startFailureCause(const PlatformEnvironment& environment,
                              const std::vector<std::string>& missingPlugins);
