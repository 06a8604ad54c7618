#pragma once

// What the tests that run the built program on a real display share: the desktop they start it
// on, the tools that drive it, what its window shows, and the compositor some start instead.
#include "headless/x_server.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

inline constexpr QRgb tableGreen = qRgb(0, 128, 0);
inline constexpr QRgb badgeYellow = qRgb(255, 255, 0);

// The environment of a user on the X display `display`, with no Wayland and no platform named.
QProcessEnvironment userEnvironment(const std::string& display);

// What a step waits for, at most `bound` ms, polling every `interval` ms: true once it holds.
bool waitUntil(const std::function<bool()>& holds, int bound = 10000, int interval = 50);

// Runs a tool to its end (at most 15 s) and returns what it printed, trimmed.
QString runTool(const QProcessEnvironment& environment, const QString& program,
                const QStringList& arguments);

// Why a test cannot run here: the first of `tools` not on the PATH; empty when all are.
std::string missingTool(std::initializer_list<const char*> tools);
#define SKIP_UNLESS_INSTALLED(...)                                                                 \
    if (const std::string missing = missingTool({__VA_ARGS__}); missing.empty()) {                 \
    } else                                                                                         \
        GTEST_SKIP() << missing

// A file in the build's artifact folder, for screenshots.
QString artifact(const char* name);

int count(const QImage& shot, const QRect& area, const std::function<bool(QRgb)>& wanted);

// Where the table picture starts below the menu bar: the first row of table green (-1 if none).
int tableTop(const QImage& shot);
// The top-left corner of the table picture: the first pixel of table green ((-1, -1) if none).
QPoint tableOrigin(const QImage& shot);

// A visible window on the X display of `environment` by its caption (a regular expression), once
// it is there (empty if not within 10 s).
QString waitForWindow(const QProcessEnvironment& environment, const QString& caption);

// The game started with `environment`, and its exit code once it has ended by itself (within
// 10 s), with a failure where it did not end or ended by a signal.
void startGame(QProcess& game, const QProcessEnvironment& environment);
int exitCodeOf(QProcess& game);

// What a desktop test starts: a private X server of `screen` size, openbox on it where asked,
// and the game in a user's environment on it, less the variables `unset`, plus those `set`.
struct DesktopOptions {
    QSize screen{1024, 768};
    bool openbox = false;
    std::vector<const char*> unset{};
    std::vector<std::pair<const char*, QString>> set{};
};

// The game on a desktop of its own, up once ready() says so: its window found as a user finds
// it, by its caption. Where a tool is missing, skipReason() says which; where a part did not
// start, failure() says which.
class DesktopGame {
  public:
    explicit DesktopGame(const DesktopOptions& options = {});
    ~DesktopGame();
    const std::string& skipReason() const { return skipReason_; }
    const std::string& failure() const { return failure_; }
    bool ready() const { return skipReason_.empty() && failure_.empty(); }

    const QProcessEnvironment& environment() const { return environment_; }
    const QString& window() const { return window_; }
    QProcess& process() { return process_; }
    void stopServer() { server_.reset(); } // under the running game

    // Where the table picture starts in the window, once the game has drawn it (-1 if never).
    int waitForTable(const QString& file) const;
    QRect geometry() const;
    // Window-relative coordinates, as the mouse reaches them through the X server. The game
    // takes its input in order, so the next click needs no wait; a step that looks at what a
    // click did waits for it with waitForShot.
    void click(QPoint at) const;
    // A key by its X name ("Tab", "space", "F10"), to the window that has the keyboard focus.
    void key(const char* name) const;
    QImage screenshot(const QString& file) const;
    // The window's picture once `shows` holds for it (at most 10 s); the last one taken if never.
    QImage waitForShot(const QString& file, const std::function<bool(const QImage&)>& shows) const;
    // Clicks a menu of the menu bar, then waits for its popup to hide `item`, a point of the
    // table just below the bar, so that the next click reaches the popup.
    bool openMenu(QPoint title, QPoint item, const QString& file) const;
    void askToClose() const;
    int exitCode() { return exitCodeOf(process_); }

  private:
    std::string skipReason_;
    std::string failure_;
    std::optional<XServer> server_;
    QProcessEnvironment environment_;
    QProcess windowManager_;
    QProcess process_;
    QString window_;
};

// Skips the test where a tool of the desktop is missing, and fails it where a part did not start.
#define ASSERT_DESKTOP_READY(game)                                                                 \
    if (!(game).skipReason().empty()) {                                                            \
        GTEST_SKIP() << (game).skipReason();                                                       \
    }                                                                                              \
    ASSERT_TRUE((game).ready()) << (game).failure()

// weston with a private runtime folder, on its headless back end or, given an X display, in a
// window of that display (where xdotool reaches it); `options` go to weston as they are.
class Weston {
  public:
    explicit Weston(const QProcessEnvironment& xDisplay = {}, const QStringList& options = {});
    ~Weston();
    bool running() const { return running_; }
    void stop();

    // A client's environment: the compositor's socket, no X display, Qt's Wayland platform.
    QProcessEnvironment clientEnvironment() const;
    const QString& socket() const { return socket_; }

  private:
    QTemporaryDir runtimeDir_;
    QString socket_ = QStringLiteral("quorvel-test");
    QProcess process_;
    bool running_ = false;
};
