#include "session/start_failure.h"

#include <QString>

#include <algorithm>

namespace {
std::string variable(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}

// The platform names of a list such as "wayland;xcb:option=1", without their options.
std::vector<std::string> platformNames(const std::string& list) {
    std::vector<std::string> names;
    std::string::size_type start = 0;
    while (start <= list.size()) {
        const std::string::size_type end = std::min(list.find(';', start), list.size());
        const std::string entry = list.substr(start, end - start);
        if (const std::string name = entry.substr(0, entry.find(':')); !name.empty()) {
            names.push_back(name);
        }
        start = end + 1;
    }
    return names;
}

bool isWayland(const std::string& name) {
    return name.starts_with("wayland");
}

// What became of one display variable: "DISPLAY is not set", "DISPLAY=:5 does not answer".
std::string tried(const char* name, const std::string& value) {
    return value.empty() ? std::string(name) + " is not set"
                         : std::string(name) + "=" + value + " does not answer";
}

// Qt turns to Wayland by itself only where WAYLAND_DISPLAY is set; named in QT_QPA_PLATFORM,
// Wayland is tried on the client library's default socket too.
std::string waylandTried(const PlatformEnvironment& environment, bool named) {
    std::string said = tried("WAYLAND_DISPLAY", environment.waylandDisplay);
    if (named && environment.waylandDisplay.empty()) {
        said += " and wayland-0 does not answer";
    }
    const bool lookedUp = !environment.waylandDisplay.empty() || named;
    if (lookedUp && !environment.waylandDisplay.starts_with('/') &&
        environment.runtimeDir.empty()) {
        said += " (XDG_RUNTIME_DIR is not set)";
    }
    return said;
}

std::string joined(const std::vector<std::string>& parts, const char* between) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : between) + part;
    }
    return text;
}
} // namespace

PlatformEnvironment currentPlatformEnvironment() {
    return {variable("QT_QPA_PLATFORM"), variable("DISPLAY"), variable("WAYLAND_DISPLAY"),
            variable("XDG_RUNTIME_DIR")};
}

std::string startFailureCause(const PlatformEnvironment& environment,
                              const std::vector<std::string>& missingPlugins) {
    const auto missing = [&missingPlugins](const std::string& name) {
        return std::ranges::find(missingPlugins, name) != missingPlugins.end();
    };
    if (std::ranges::any_of(missingPlugins, isWayland)) {
        const std::string compositor =
            environment.waylandDisplay.empty() ? "wayland-0" : environment.waylandDisplay;
        return "The Wayland compositor " + compositor +
               " needs Qt's Wayland platform plugin, which is not installed: install the Debian "
               "package qt6-wayland, or start the game in an X11 session.";
    }
    const bool named = !environment.platform.empty();
    const std::vector<std::string> names =
        named ? platformNames(environment.platform) : std::vector<std::string>{"xcb", "wayland"};
    std::vector<std::string> displays;
    std::vector<std::string> causes;
    for (const std::string& name : names) {
        const char* display = name == "xcb"     ? "X display"
                              : isWayland(name) ? "Wayland compositor"
                                                : nullptr;
        if (missing(name)) {
            causes.push_back("Qt has no platform plugin named " + name);
        } else if (!display) {
            causes.push_back("the platform " + name + " did not start");
        } else if (std::ranges::find(displays, display) == displays.end()) {
            displays.emplace_back(display);
            causes.push_back(name == "xcb" ? tried("DISPLAY", environment.xDisplay)
                                           : waylandTried(environment, named));
        }
    }
    if (causes.empty()) {
        causes.emplace_back("the list names no platform");
    }
    std::string heading = displays.empty() ? "Qt could not open any platform"
                                           : "No " + joined(displays, " or ") + " could be reached";
    if (named) {
        heading += " (QT_QPA_PLATFORM=" + environment.platform + ")";
    }
    return heading + ": " + joined(causes, ", ") + ".";
}
