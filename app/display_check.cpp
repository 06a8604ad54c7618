#include "app/display_check.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
std::string variable(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}

bool xServerAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reached;
}

// The compositor's socket, as the Wayland client library finds it: a name is looked up in
// XDG_RUNTIME_DIR, an absolute path is taken as it is. Empty when it cannot be found.
std::string waylandSocketPath(const std::string& display) {
    if (!display.empty() && display.front() == '/') {
        return display;
    }
    const std::string runtimeDir = variable("XDG_RUNTIME_DIR");
    return runtimeDir.empty() ? std::string() : runtimeDir + "/" + display;
}

bool compositorAnswers(const std::string& display) {
    const std::string path = waylandSocketPath(display);
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool reached =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return reached;
}

std::string waylandDisplayName() {
    const std::string name = variable("WAYLAND_DISPLAY");
    return name.empty() ? "wayland-0" : name;
}

// What became of one display variable: "DISPLAY is not set", "DISPLAY=:5 does not answer".
std::string tried(const char* name, const std::string& value) {
    return value.empty() ? std::string(name) + " is not set"
                         : std::string(name) + "=" + value + " does not answer";
}

bool platformUp = false;
bool waylandPluginMissing = false;
QtMessageHandler qtHandler = nullptr;

[[noreturn]] void endWith(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    std::_Exit(1); // at once: the window system is gone, nothing of it can be cleaned up
}

bool connectionBroke(const QString& message) {
    return message.startsWith(QLatin1String("The Wayland connection")) ||
           message.startsWith(QLatin1String("The X11 connection broke"));
}

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!platformUp) {
        if (message.contains(QLatin1String("platform plugin \"wayland\"")) &&
            !message.contains(QLatin1String("even though it was found"))) {
            waylandPluginMissing = true;
        }
        if (type == QtFatalMsg && waylandPluginMissing) {
            endWith("Quorvel cannot start: the Wayland compositor " + waylandDisplayName() +
                    " needs Qt's Wayland platform plugin, which is not installed.\n"
                    "Install the Debian package qt6-wayland, or start the game in an X11 "
                    "session.");
        }
        if (type == QtFatalMsg) {
            endWith("Quorvel cannot start: " + message.toStdString());
        }
    } else if (type != QtDebugMsg && type != QtInfoMsg && connectionBroke(message)) {
        const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        const std::string display =
            wayland ? "the Wayland compositor " + waylandDisplayName()
                    : "the X display " + (variable("DISPLAY").empty() ? std::string("(none)")
                                                                      : variable("DISPLAY"));
        endWith("Quorvel has lost its display: the connection to " + display +
                " broke, and the game ends.\n" + message.toStdString());
    }
    qtHandler(type, context, message);
}
} // namespace

DisplayCheck checkDisplay() {
    const std::string platform = variable("QT_QPA_PLATFORM");
    const bool x11 = platform.empty() || platform.starts_with("xcb");
    const bool wayland = platform.empty() || platform.starts_with("wayland");
    if (!x11 && !wayland) {
        return {}; // offscreen and the like need no display
    }
    const std::string xDisplay = variable("DISPLAY");
    // Qt turns to Wayland by itself only where WAYLAND_DISPLAY names a compositor.
    const std::string waylandDisplay =
        platform.empty() ? variable("WAYLAND_DISPLAY") : waylandDisplayName();
    if ((x11 && xServerAnswers()) ||
        (wayland && !waylandDisplay.empty() && compositorAnswers(waylandDisplay))) {
        return {};
    }
    const std::string xTried = tried("DISPLAY", xDisplay);
    std::string waylandTried = tried("WAYLAND_DISPLAY", variable("WAYLAND_DISPLAY"));
    if (!waylandDisplay.empty() && waylandSocketPath(waylandDisplay).empty()) {
        waylandTried += " (XDG_RUNTIME_DIR is not set)";
    } else if (!platform.empty() && variable("WAYLAND_DISPLAY").empty()) {
        waylandTried += ", and " + waylandDisplay + " does not answer";
    }
    if (x11 && wayland) {
        return {false, "No X display or Wayland compositor could be reached: " + xTried + ", " +
                           waylandTried + "."};
    }
    return {false, (x11 ? "No X display" : "No Wayland compositor") +
                       std::string(" could be reached (QT_QPA_PLATFORM=") + platform +
                       "): " + (x11 ? xTried : waylandTried) + "."};
}

void watchDisplay() {
    qtHandler = qInstallMessageHandler(onQtMessage);
}

void displayOpened() {
    platformUp = true;
}
