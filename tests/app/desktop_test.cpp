// The built program started as a user starts it, on a private X server (Xvfb, no window
// manager, so the window has no frame), driven with the mouse through the X server.
#include "desktop_session.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(DesktopSession, PlaysARoundWithTheMouseAndExitsFromTheMenu) {
    DesktopGame game;
    ASSERT_DESKTOP_READY(game);
    EXPECT_EQ(game.geometry(), QRect(100, 80, 600, 460)); // no frame without a window manager

    const int top = game.waitForTable(artifact("x11_start.png"));
    ASSERT_GT(top, 0);
    const QPoint deal(57, 352), hit(157, 352), stand(257, 352); // centres of the buttons
    for (const QPoint button : {deal, hit, stand}) {
        game.click(button + QPoint(0, top));
    }
    // every finished round puts a badge on the player's hand
    const QRect badges(0, 206 + top, 600, 27);
    const auto yellow = [](QRgb pixel) { return pixel == badgeYellow; };
    const QImage shot = game.waitForShot(artifact("x11_round.png"), [&](const QImage& picture) {
        return count(picture, badges, yellow) > 500;
    });
    ASSERT_FALSE(shot.isNull());
    const auto notGreen = [](QRgb pixel) { return pixel != tableGreen; };
    // the first 35 columns of each hand's first card stay in view under the cards after it
    const int cardStrip = 35 * 96;
    EXPECT_GT(count(shot, QRect(10, 30 + top, 35, 96), notGreen), cardStrip * 9 / 10);
    EXPECT_GT(count(shot, QRect(10, 170 + top, 35, 96), notGreen), cardStrip * 9 / 10);
    EXPECT_GT(count(shot, badges, yellow), 500);

    const QPoint exit(30, top + top / 2); // File's only item
    ASSERT_TRUE(game.openMenu(QPoint(18, top / 2), exit, artifact("x11_file_menu.png")));
    game.click(exit);
    EXPECT_EQ(game.exitCode(), 0);
}

TEST(DesktopSession, TheCloseButtonEndsTheGameWithExitCodeZero) {
    DesktopGame game;
    ASSERT_DESKTOP_READY(game);
    ASSERT_GT(game.waitForTable(artifact("x11_before_close.png")), 0);
    game.askToClose();
    EXPECT_EQ(game.exitCode(), 0);
}

TEST(DesktopSession, OnAScreen640WideTheWindowOpensAtTheTop) {
    DesktopGame game({.screen = {640, 480}});
    ASSERT_DESKTOP_READY(game);
    EXPECT_EQ(game.geometry().topLeft(), QPoint(20, 0));
}

TEST(StartupFailure, WithoutADisplayTheGameSaysSoAndFails) {
    std::string stoppedDisplay;
    {
        XServer server(640, 480);
        stoppedDisplay = server.display();
    }
    const QString gone = QString::fromStdString(stoppedDisplay);
    QProcessEnvironment noDisplay = userEnvironment("");
    noDisplay.remove("DISPLAY");
    QProcessEnvironment goneDisplay = userEnvironment(stoppedDisplay);
    goneDisplay.insert("QT_QPA_PLATFORM", "xcb");
    QProcessEnvironment goneBoth = userEnvironment(stoppedDisplay);
    goneBoth.insert("WAYLAND_DISPLAY", "quorvel-no-compositor");
    goneBoth.insert("XDG_RUNTIME_DIR", QDir::tempPath());
    const struct {
        QProcessEnvironment environment;
        QString cause; // the second line
    } cases[] = {
        {noDisplay, "No X display or Wayland compositor could be reached: DISPLAY is not set, "
                    "WAYLAND_DISPLAY is not set."},
        {goneDisplay, "No X display could be reached (QT_QPA_PLATFORM=xcb): DISPLAY=" + gone +
                          " does not answer."},
        {goneBoth, "No X display or Wayland compositor could be reached: DISPLAY=" + gone +
                       " does not answer, WAYLAND_DISPLAY=quorvel-no-compositor does not answer."},
    };
    for (const auto& [environment, cause] : cases) {
        SCOPED_TRACE(cause.toStdString());
        QProcess game;
        startGame(game, environment);
        EXPECT_EQ(exitCodeOf(game), 1);
        const QStringList lines = QString::fromLocal8Bit(game.readAllStandardError()).split('\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[0], "Error - Class Registration Failed");
        EXPECT_EQ(lines[1], cause);
    }
}
