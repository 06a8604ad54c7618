// The built program starts exactly where a bare Qt window starts, whatever QT_QPA_PLATFORM
// holds, on an X server, a headless Wayland compositor, both or neither, which the tests start
// themselves. Where the bare window cannot start, the game says so in two lines and exits 1.
#include "desktop_session.h"
#include "tools/startbench/x_server.h"

#include <QDir>
#include <gtest/gtest.h>

#include <memory>

namespace {
enum class Servers { x11, wayland, both, neither };

struct Outcome {
    bool started = false;
    QString platform; // where the bare window started
};

// The platform values of each row; null leaves QT_QPA_PLATFORM unset. The last three name
// nothing Qt has.
const char* const platformValues[] = {
    nullptr,           "xcb",       "wayland",      "wayland;xcb", "xcb;wayland",
    "wayland-egl;xcb", "offscreen", "quorvel-none", ";",           "quorvel-a;quorvel-b"};

Outcome bareWindow(const QProcessEnvironment& environment) {
    QProcess bare;
    bare.setProcessEnvironment(environment);
    bare.start(QT_START_PROBE_PROGRAM, {});
    if (!bare.waitForFinished(15000)) {
        bare.kill();
        bare.waitForFinished();
        return {};
    }
    const bool started = bare.exitStatus() == QProcess::NormalExit && bare.exitCode() == 0;
    return {started, QString::fromLocal8Bit(bare.readAllStandardOutput()).trimmed()};
}

// The game's window on the X server, as a user finds it: by its caption.
bool gameWindowShown(const QProcessEnvironment& environment) {
    return !runTool(environment, "xdotool",
                    {"search", "--sync", "--onlyvisible", "--name", "^Quorvel$"})
                .isEmpty();
}

void expectSameStartAsBareWindow(const QProcessEnvironment& environment) {
    const Outcome bare = bareWindow(environment);
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QUORVEL_PROGRAM, {});
    if (bare.started) {
        SCOPED_TRACE("the bare window started on " + bare.platform.toStdString());
        if (bare.platform == "xcb") {
            EXPECT_TRUE(gameWindowShown(environment));
        }
        // a start that fails ends the game within a fraction of a second
        EXPECT_FALSE(game.waitForFinished(2000))
            << "ended with " << game.exitCode() << (game.exitStatus() ? " (signal)" : "") << ": "
            << game.readAllStandardError().toStdString();
        game.kill();
        game.waitForFinished();
        return;
    }
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit); // no abort, no core
    EXPECT_EQ(game.exitCode(), 1);
    const QStringList lines = QString::fromLocal8Bit(game.readAllStandardError()).split('\n');
    ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString(); // two lines, each ended
    EXPECT_EQ(lines[0], "Error - Class Registration Failed");
    const QString platform = environment.value("QT_QPA_PLATFORM");
    EXPECT_TRUE(lines[1].contains(platform.isEmpty() ? "DISPLAY" : "QT_QPA_PLATFORM=" + platform))
        << lines[1].toStdString();
}

class PlatformChoice : public testing::TestWithParam<Servers> {};

std::string serversName(const testing::TestParamInfo<Servers>& info) {
    const char* const names[] = {"X11", "Wayland", "Both", "Neither"};
    return names[static_cast<int>(info.param)];
}
} // namespace

TEST_P(PlatformChoice, TheGameStartsExactlyWhereABareQtWindowStarts) {
    const Servers servers = GetParam();
    const bool x11 = servers == Servers::x11 || servers == Servers::both;
    const bool wayland = servers == Servers::wayland || servers == Servers::both;
    if (wayland && !installed("weston")) {
        GTEST_SKIP() << "weston is not installed (sh tools/setup.sh installs it)";
    }
    std::string stoppedDisplay;
    {
        XServer gone(640, 480);
        stoppedDisplay = gone.display();
    }
    std::unique_ptr<XServer> xServer;
    std::unique_ptr<Weston> weston;
    QTemporaryDir noCompositor;
    QProcessEnvironment environment;
    if (wayland) {
        weston = std::make_unique<Weston>();
        ASSERT_TRUE(weston->running());
        environment = weston->clientEnvironment();
    } else {
        // a stale WAYLAND_DISPLAY: the socket it names is not there
        environment = userEnvironment(stoppedDisplay);
        environment.insert("XDG_RUNTIME_DIR", noCompositor.path());
        environment.insert("WAYLAND_DISPLAY", "wayland-quorvel");
    }
    if (x11) {
        xServer = std::make_unique<XServer>(1024, 768);
        ASSERT_TRUE(xServer->running());
        environment.insert("DISPLAY", QString::fromStdString(xServer->display()));
    } else {
        environment.insert("DISPLAY", QString::fromStdString(stoppedDisplay));
    }
    environment.remove("XDG_SESSION_TYPE");
    for (const char* platform : platformValues) {
        SCOPED_TRACE(platform ? platform : "QT_QPA_PLATFORM unset");
        environment.remove("QT_QPA_PLATFORM");
        if (platform) {
            environment.insert("QT_QPA_PLATFORM", platform);
        }
        expectSameStartAsBareWindow(environment);
    }
}

INSTANTIATE_TEST_SUITE_P(Servers, PlatformChoice,
                         testing::Values(Servers::x11, Servers::wayland, Servers::both,
                                         Servers::neither),
                         serversName);
