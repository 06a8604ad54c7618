// The built program started as a user starts it, on a private X server (Xvfb, no window
// manager, so the window has no frame), driven with the mouse through the X server.
#include "tools/startbench/x_server.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

namespace {
constexpr QRgb tableGreen = qRgb(0, 128, 0);
constexpr QRgb badgeYellow = qRgb(255, 255, 0);

QProcessEnvironment userEnvironment(const std::string& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("DISPLAY", QString::fromStdString(display));
    return environment;
}

QString run(const QProcessEnvironment& environment, const QString& program,
            const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    if (!tool.waitForFinished(15000)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

// The table picture starts below the menu bar: the first row of table green down the middle.
int tableTop(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y) {
        if (shot.pixel(300, y) == tableGreen) {
            return y;
        }
    }
    return -1;
}

// The game, started on a display, with its window found as a user sees it: by its caption.
class Game {
  public:
    explicit Game(const std::string& display) : environment_(userEnvironment(display)) {
        process_.setProcessEnvironment(environment_);
        process_.start(QUORVEL_PROGRAM, {});
        window_ = run(environment_, "xdotool",
                      {"search", "--sync", "--onlyvisible", "--name", "^Quorvel$"})
                      .section('\n', 0, 0);
    }

    // Where the table picture starts in the window, once the game has drawn it (-1 if never).
    int waitForTable(const QString& file) const {
        for (int attempt = 0; attempt < 50 && found(); ++attempt) {
            const int top = tableTop(screenshot(file));
            if (top > 0) {
                return top;
            }
            QThread::msleep(100);
        }
        return -1;
    }
    ~Game() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    bool found() const { return !window_.isEmpty(); }
    QProcess& process() { return process_; }

    QRect geometry() const {
        const QString info = run(environment_, "xwininfo", {"-id", window_});
        auto field = [&info](const char* name) {
            const QRegularExpression pattern(QString(name) + R"(:\s+(-?\d+))");
            return pattern.match(info).captured(1).toInt();
        };
        return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                field("Height")};
    }

    // Window-relative coordinates, as the mouse reaches them through the X server.
    void click(QPoint at) const {
        run(environment_, "xdotool",
            {"mousemove", "--window", window_, QString::number(at.x()), QString::number(at.y()),
             "click", "1"});
        QThread::msleep(500); // the game handles the click on its own time
    }

    QImage screenshot(const QString& file) const {
        run(environment_, X_HELPER_PROGRAM, {"grab", window_, file});
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    void askToClose() const { run(environment_, X_HELPER_PROGRAM, {"close", window_}); }

    int exitCode() {
        EXPECT_TRUE(process_.waitForFinished(10000));
        EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
        return process_.exitCode();
    }

  private:
    QProcessEnvironment environment_;
    QProcess process_;
    QString window_;
};

QString artifact(const char* name) {
    QDir().mkpath(ARTIFACT_DIR);
    return QString(ARTIFACT_DIR) + "/" + name;
}

int count(const QImage& shot, const QRect& area, const std::function<bool(QRgb)>& wanted) {
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            found += wanted(shot.pixel(x, y)) ? 1 : 0;
        }
    }
    return found;
}
} // namespace

TEST(DesktopSession, PlaysARoundWithTheMouseAndExitsFromTheMenu) {
    XServer server(1024, 768);
    ASSERT_TRUE(server.running());
    Game game(server.display());
    ASSERT_TRUE(game.found());
    EXPECT_EQ(game.geometry(), QRect(100, 80, 600, 460)); // no frame without a window manager

    const int top = game.waitForTable(artifact("x11_start.png"));
    ASSERT_GT(top, 0);
    const QPoint deal(57, 352), hit(157, 352), stand(257, 352); // centres of the buttons
    for (const QPoint button : {deal, hit, stand}) {
        game.click(button + QPoint(0, top));
    }
    const QImage shot = game.screenshot(artifact("x11_round.png"));
    ASSERT_FALSE(shot.isNull());
    const auto notGreen = [](QRgb pixel) { return pixel != tableGreen; };
    // the first 35 columns of each hand's first card stay in view under the cards after it
    const int cardStrip = 35 * 96;
    EXPECT_GT(count(shot, QRect(10, 30 + top, 35, 96), notGreen), cardStrip * 9 / 10);
    EXPECT_GT(count(shot, QRect(10, 170 + top, 35, 96), notGreen), cardStrip * 9 / 10);
    // every finished round puts a badge on the player's hand
    const auto yellow = [](QRgb pixel) { return pixel == badgeYellow; };
    EXPECT_GT(count(shot, QRect(0, 206 + top, 600, 27), yellow), 500);

    game.click(QPoint(18, top / 2));       // File
    game.click(QPoint(30, top + top / 2)); // its only item, Exit
    EXPECT_EQ(game.exitCode(), 0);
}

TEST(DesktopSession, TheCloseButtonEndsTheGameWithExitCodeZero) {
    XServer server(1024, 768);
    ASSERT_TRUE(server.running());
    Game game(server.display());
    ASSERT_TRUE(game.found());
    ASSERT_GT(game.waitForTable(artifact("x11_before_close.png")), 0);
    game.askToClose();
    EXPECT_EQ(game.exitCode(), 0);
}

TEST(DesktopSession, OnAScreen640WideTheWindowOpensAtTheTop) {
    XServer server(640, 480);
    ASSERT_TRUE(server.running());
    Game game(server.display());
    ASSERT_TRUE(game.found());
    EXPECT_EQ(game.geometry().topLeft(), QPoint(20, 0));
}

TEST(StartupFailure, WithoutADisplayTheGameSaysSoAndFails) {
    std::string stoppedDisplay;
    {
        XServer server(640, 480);
        stoppedDisplay = server.display();
    }
    QProcessEnvironment noDisplay = userEnvironment("");
    noDisplay.remove("DISPLAY");
    QProcessEnvironment goneDisplay = userEnvironment(stoppedDisplay);
    goneDisplay.insert("QT_QPA_PLATFORM", "xcb");
    for (const QProcessEnvironment& environment : {noDisplay, goneDisplay}) {
        SCOPED_TRACE(environment.value("DISPLAY", "no DISPLAY").toStdString());
        QProcess game;
        game.setProcessEnvironment(environment);
        game.start(QUORVEL_PROGRAM, {});
        ASSERT_TRUE(game.waitForFinished(10000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit); // no abort
        EXPECT_NE(game.exitCode(), 0);
        EXPECT_TRUE(game.readAllStandardError().contains("Error - Class Registration Failed"));
    }
}
