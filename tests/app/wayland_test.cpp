// The built program as a native Wayland client of weston, which each test starts itself: in a
// window of a private Xvfb, where xdotool drives the mouse and keys, or headless. Also a
// Wayland session without Qt's Wayland plugin, and a display that goes away in play.
#include "desktop_session.h"
#include "tools/startbench/x_server.h"

#include <QFile>
#include <QLocalServer>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

namespace {
// weston's output window on the X server, clicked and captured in its own coordinates.
class Output {
  public:
    explicit Output(const QProcessEnvironment& x) : x_(x) {
        window_ = runTool(x_, "xdotool", {"search", "--sync", "--classname", "^weston"})
                      .section('\n', 0, 0);
        // weston follows the pointer from when it enters the window: start from outside
        runTool(x_, "xdotool", {"mousemove", "1020", "760"});
    }
    bool found() const { return !window_.isEmpty(); }

    void click(QPoint at) const {
        runTool(x_, "xdotool",
                {"mousemove", "--window", window_, QString::number(at.x()), QString::number(at.y()),
                 "sleep", "0.2", "click", "1"}); // the pointer enters before it presses
        QThread::msleep(500);
    }
    void drag(QPoint from, QPoint to) const {
        runTool(x_, "xdotool",
                {"mousemove", "--window", window_, QString::number(from.x()),
                 QString::number(from.y()), "mousedown", "1", "sleep", "0.3", "mousemove",
                 "--window", window_, QString::number(to.x()), QString::number(to.y()), "sleep",
                 "0.3", "mouseup", "1"});
        QThread::msleep(500);
    }
    void key(const char* name) const {
        runTool(x_, "xdotool", {"key", "--window", window_, name});
        QThread::msleep(500);
    }
    // With the pointer parked in the corner, so that shots compare.
    QImage screenshot(const char* name) const {
        runTool(x_, "xdotool", {"mousemove", "--window", window_, "999", "699"});
        QThread::msleep(300); // for the hover under the pointer to go
        const QString file = artifact(name);
        runTool(x_, X_HELPER_PROGRAM, {"grab", window_, file});
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

  private:
    QProcessEnvironment x_;
    QString window_;
};

// The top-left corner of the table picture in the output: the first pixel of table green.
QPoint tableOrigin(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) == tableGreen) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

// The bounding box of the pixels in `area` that differ between two shots.
QRect changed(const QImage& before, const QImage& after, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

void startGame(QProcess& game, const QProcessEnvironment& environment) {
    game.setProcessEnvironment(environment);
    game.start(QUORVEL_PROGRAM, {});
}

int exitCodeOf(QProcess& game) {
    EXPECT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit); // no abort, no core
    return game.exitCode();
}
} // namespace

TEST(Wayland, PlaysARoundAndTheAboutBoxHasOnlyItsCaption) {
    if (!installed("weston")) {
        GTEST_SKIP() << "weston is not installed (sh tools/setup.sh installs it)";
    }
    XServer server(1024, 768);
    ASSERT_TRUE(server.running());
    const QProcessEnvironment x = userEnvironment(server.display());
    Weston weston(x);
    ASSERT_TRUE(weston.running());
    Output output(x);
    ASSERT_TRUE(output.found());
    QProcess game;
    startGame(game, weston.clientEnvironment());

    // weston zooms a new window in: the table has arrived once it stays where it is
    QPoint table(-1, -1), before(-2, -2);
    for (int attempt = 0; attempt < 50 && (table.x() < 0 || table != before); ++attempt) {
        QThread::msleep(200);
        before = table;
        table = tableOrigin(output.screenshot("wayland_start.png"));
    }
    ASSERT_GE(table.x(), 0);
    for (const QPoint button : {QPoint(57, 352), QPoint(257, 352)}) { // Deal, Stand
        output.click(table + button);
    }
    const QImage round = output.screenshot("wayland_round.png");
    const auto yellow = [](QRgb pixel) { return pixel == badgeYellow; };
    EXPECT_GT(count(round, QRect(table + QPoint(0, 206), QSize(600, 27)), yellow), 500)
        << "table at " << table.x() << "," << table.y();

    output.click(table + QPoint(58, -10)); // Help, in the menu bar above the table
    output.click(table + QPoint(70, 11));  // About
    const QRect tableArea(table, QSize(600, 400));
    const QRect box = changed(round, output.screenshot("wayland_about.png"), tableArea);
    ASSERT_TRUE(box.width() > 100 && box.height() > 50) << "no About box over the table";
    // Where a frame would put its maximise button: nothing there, and the game goes on.
    output.click(QPoint(box.right() - 40, box.top() + 10));
    EXPECT_EQ(changed(round, output.screenshot("wayland_about_top_right.png"), tableArea), box);
    // Dragging the caption moves the box.
    output.drag(box.topLeft() + QPoint(40, 8), box.topLeft() + QPoint(10, 28));
    const QRect moved = changed(round, output.screenshot("wayland_about_moved.png"), tableArea);
    EXPECT_EQ(moved.topLeft() - box.topLeft(), QPoint(-30, 20));
    output.key("Escape"); // stays open
    EXPECT_EQ(changed(round, output.screenshot("wayland_about_escape.png"), tableArea), moved);
    output.key("Return"); // OK
    EXPECT_TRUE(changed(round, output.screenshot("wayland_about_closed.png"), tableArea).isNull());

    output.click(table + QPoint(20, -10)); // File
    output.screenshot("wayland_file_menu.png");
    output.click(table + QPoint(30, 11)); // Exit
    EXPECT_EQ(exitCodeOf(game), 0) << game.readAllStandardError().toStdString();
}

TEST(Wayland, WithoutQtsWaylandPluginTheGameNamesThePackage) {
    // A copy of the game whose qt.conf points Qt at an empty plugin folder, and a socket that
    // answers where the compositor would be.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString copy = folder.filePath("quorvel");
    ASSERT_TRUE(QFile::copy(QUORVEL_PROGRAM, copy));
    QFile conf(folder.filePath("qt.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Paths]\nPlugins = " + folder.filePath("no-plugins").toUtf8() + "\n");
    conf.close();
    QLocalServer compositor;
    ASSERT_TRUE(compositor.listen(folder.filePath("wayland-test")));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "QT_PLUGIN_PATH"}) {
        environment.remove(name);
    }
    environment.insert("XDG_RUNTIME_DIR", folder.path());
    environment.insert("WAYLAND_DISPLAY", "wayland-test");
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(copy, {});
    EXPECT_EQ(exitCodeOf(game), 1);
    const QString said = QString::fromLocal8Bit(game.readAllStandardError());
    EXPECT_TRUE(said.contains("Wayland platform plugin")) << said.toStdString();
    EXPECT_TRUE(said.contains("qt6-wayland")) << said.toStdString();
}

TEST(LostDisplay, AHeadlessCompositorThatGoesEndsTheGameWithItsName) {
    if (!installed("weston")) {
        GTEST_SKIP() << "weston is not installed (sh tools/setup.sh installs it)";
    }
    Weston weston;
    ASSERT_TRUE(weston.running());
    QProcess game;
    startGame(game, weston.clientEnvironment());
    EXPECT_FALSE(game.waitForFinished(3000)); // up and running
    weston.stop();
    EXPECT_EQ(exitCodeOf(game), 1);
    const QString said = QString::fromLocal8Bit(game.readAllStandardError());
    EXPECT_TRUE(said.contains("Quorvel has lost its display: the connection to the Wayland "
                              "compositor " +
                              weston.socket() + " broke"))
        << said.toStdString();
}

TEST(LostDisplay, AnXServerThatGoesMidRoundEndsTheGameWithItsName) {
    auto server = std::make_unique<XServer>(1024, 768);
    ASSERT_TRUE(server->running());
    const std::string display = server->display();
    Game game(userEnvironment(display));
    ASSERT_TRUE(game.found());
    const int top = game.waitForTable(artifact("x11_before_loss.png"));
    ASSERT_GT(top, 0);
    game.click(QPoint(57, 352 + top)); // Deal
    server.reset();
    EXPECT_EQ(game.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(game.process().readAllStandardError());
    EXPECT_TRUE(said.contains(QString::fromStdString(
        "Quorvel has lost its display: the connection to the X display " + display + " broke")))
        << said.toStdString();
}
