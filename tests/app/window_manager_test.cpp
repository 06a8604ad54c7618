// The built program under a real X11 window manager (openbox on Xvfb): the About box asks for a
// caption of its own and no frame, buttons, resizing or maximising; the main window keeps its
// sizing border and maximise box. Read with xprop, as the window manager reads them.
#include "desktop_session.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
QString properties(const QProcessEnvironment& environment, const QString& window) {
    return runTool(environment, "xprop",
                   {"-id", window, "_MOTIF_WM_HINTS", "WM_NORMAL_HINTS", "_NET_WM_WINDOW_TYPE",
                    "_NET_FRAME_EXTENTS", "_NET_WM_ALLOWED_ACTIONS"});
}

QString line(const QString& text, const char* property) {
    const QRegularExpression pattern(QString("^") + property + R"([^=:]*[=:]\s*(.*)$)",
                                     QRegularExpression::MultilineOption);
    return pattern.match(text).captured(1);
}

QSize sizeHint(const QString& text, const char* which) {
    const QRegularExpression pattern(QString(which) + R"( size: (\d+) by (\d+))");
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
}
} // namespace

TEST(WindowManager, TheAboutBoxAsksForACaptionOnlyAndAFixedSize) {
    SKIP_UNLESS_INSTALLED("xprop");
    DesktopGame game({.openbox = true});
    ASSERT_DESKTOP_READY(game);
    const QProcessEnvironment& environment = game.environment();
    const int top = game.waitForTable(artifact("openbox_start.png"));
    ASSERT_GT(top, 0);

    const QString main = properties(environment, game.window());
    EXPECT_TRUE(line(main, "_NET_WM_ALLOWED_ACTIONS").contains("_NET_WM_ACTION_MAXIMIZE_HORZ"));
    EXPECT_TRUE(line(main, "_NET_WM_ALLOWED_ACTIONS").contains("_NET_WM_ACTION_RESIZE"));

    const QPoint about(70, top + top / 2); // Help's only item
    ASSERT_TRUE(game.openMenu(QPoint(58, top / 2), about, artifact("openbox_help_menu.png")));
    game.click(about);
    const QString box = waitForWindow(environment, "^About Quorvel$");
    ASSERT_FALSE(box.isEmpty());
    const QString hints = properties(environment, box);
    // flags: functions and decorations given; functions: move only; decorations: none
    EXPECT_EQ(line(hints, "_MOTIF_WM_HINTS").toStdString(), "0x3, 0x4, 0x0, 0x0, 0x0");
    const QSize minimum = sizeHint(hints, "minimum");
    EXPECT_TRUE(minimum.isValid());
    EXPECT_EQ(minimum, sizeHint(hints, "maximum"));
    EXPECT_TRUE(line(hints, "_NET_WM_WINDOW_TYPE").startsWith("_NET_WM_WINDOW_TYPE_DIALOG"));
    EXPECT_EQ(line(hints, "_NET_FRAME_EXTENTS").toStdString(),
              "0, 0, 0, 0"); // no frame, so no buttons
    const QString actions = line(hints, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_TRUE(actions.contains("_NET_WM_ACTION_MOVE"));
    for (const char* action : {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"}) {
        EXPECT_FALSE(actions.contains(QString("_NET_WM_ACTION_") + action)) << action;
    }

    // minimised from the window manager's own menu, the box comes back at once
    QProcess watcher;
    watcher.setProcessEnvironment(environment);
    watcher.start(X_HELPER_PROGRAM, {"watch", box, "5000"});
    ASSERT_TRUE(watcher.waitForReadyRead(5000));
    runTool(environment, "xdotool", {"windowminimize", box});
    ASSERT_TRUE(watcher.waitForFinished(10000));
    EXPECT_EQ(watcher.readAllStandardOutput().toStdString(), "watching\nunmapped\nmapped\n");
    EXPECT_TRUE(runTool(environment, "xwininfo", {"-id", box}).contains("IsViewable"));

    runTool(environment, "xdotool", {"key", "--window", box, "Return"}); // OK
    game.askToClose();
    EXPECT_EQ(game.exitCode(), 0);
}
