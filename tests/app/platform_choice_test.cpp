// The built program starts exactly where a bare Qt window starts, whatever QT_QPA_PLATFORM
// holds, on an X server, a headless Wayland compositor, both or neither, which the tests start
// themselves. Where the bare window cannot start, the game says so in two lines and exits 1.
#include "desktop_session.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// Null leaves QT_QPA_PLATFORM unset; the last three name nothing Qt has.
const char* const platformValues[] = {
    nullptr,           "xcb",       "wayland",      "wayland;xcb", "xcb;wayland",
    "wayland-egl;xcb", "offscreen", "quorvel-none", ";",           "quorvel-a;quorvel-b"};

// The platform a bare Qt window opened in `environment`, empty where it opened none.
QString bareWindowPlatform(const QProcessEnvironment& environment) {
    QProcess bare;
    bare.setProcessEnvironment(environment);
    bare.start(QT_START_PROBE_PROGRAM, {});
    const bool started = bare.waitForFinished(15000) && bare.exitStatus() == QProcess::NormalExit &&
                         bare.exitCode() == 0;
    return started ? QString::fromLocal8Bit(bare.readAllStandardOutput()).trimmed() : QString();
}

void expectSameStartAsBareWindow(const QProcessEnvironment& environment) {
    const QString bare = bareWindowPlatform(environment);
    QProcess game;
    startGame(game, environment);
    if (!bare.isEmpty()) {
        SCOPED_TRACE("the bare window started on " + bare.toStdString());
        if (bare == "xcb") { // the window as a user finds it: by its caption
            EXPECT_FALSE(waitForWindow(environment, "^Quorvel$").isEmpty());
        }
        // a start that fails ends the game within a fraction of a second
        EXPECT_FALSE(game.waitForFinished(2000))
            << "ended with " << game.exitCode() << (game.exitStatus() ? " (signal)" : "") << ": "
            << game.readAllStandardError().toStdString();
        game.kill();
        game.waitForFinished();
        return;
    }
    EXPECT_EQ(exitCodeOf(game), 1);
    const QStringList lines = QString::fromLocal8Bit(game.readAllStandardError()).split('\n');
    ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString(); // two lines, each ended
    EXPECT_EQ(lines[0], "Error - Class Registration Failed");
    const QString platform = environment.value("QT_QPA_PLATFORM");
    EXPECT_TRUE(lines[1].contains(platform.isEmpty() ? "DISPLAY" : "QT_QPA_PLATFORM=" + platform))
        << lines[1].toStdString();
}

// Which servers run: X11, Wayland, both or neither.
class PlatformChoice : public testing::TestWithParam<std::pair<bool, bool>> {};
} // namespace

TEST_P(PlatformChoice, TheGameStartsExactlyWhereABareQtWindowStarts) {
    const auto [x11, wayland] = GetParam();
    if (wayland) {
        SKIP_UNLESS_INSTALLED("weston");
    }
    const auto weston = wayland ? std::make_unique<Weston>() : nullptr;
    const auto xServer = x11 ? std::make_unique<XServer>(1024, 768) : nullptr;
    ASSERT_TRUE((!weston || weston->running()) && (!xServer || xServer->running()));
    // where a server does not run, its variable names one that is not there: a display number
    // far above those that test servers take (a stopped one's number may soon be taken again)
    const std::string noDisplay = ":4999";
    QTemporaryDir noCompositor;
    QProcessEnvironment environment =
        wayland ? weston->clientEnvironment() : userEnvironment(noDisplay);
    if (!wayland) {
        environment.insert("XDG_RUNTIME_DIR", noCompositor.path());
        environment.insert("WAYLAND_DISPLAY", "wayland-quorvel");
    }
    environment.insert("DISPLAY", QString::fromStdString(x11 ? xServer->display() : noDisplay));
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
                         testing::Values(std::pair(true, false), std::pair(false, true),
                                         std::pair(true, true), std::pair(false, false)),
                         [](const auto& info) {
                             return std::string(info.param.first ? "X11" : "NoX11") +
                                    (info.param.second ? "Wayland" : "NoWayland");
                         });
