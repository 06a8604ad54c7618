// The built program as a native Wayland client of weston, which each test starts itself: in a
// window of a private Xvfb, where xdotool drives the mouse and keys, or headless. Also a
// Wayland session without Qt's Wayland plugin, and a display that goes away in play.
#include "desktop_session.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

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

    // weston and the game take input in order: a step waits for what it shows, not for time
    void click(QPoint at) const {
        runTool(x_, "xdotool",
                {"mousemove", "--window", window_, QString::number(at.x()), QString::number(at.y()),
                 "sleep", "0.2", "click", "1"}); // the pointer enters before it presses
    }
    void drag(QPoint from, QPoint to) const {
        runTool(x_, "xdotool",
                {"mousemove", "--window", window_, QString::number(from.x()),
                 QString::number(from.y()), "mousedown", "1", "sleep", "0.3", "mousemove",
                 "--window", window_, QString::number(to.x()), QString::number(to.y()), "sleep",
                 "0.3", "mouseup", "1"});
    }
    void key(const char* name) const { runTool(x_, "xdotool", {"key", "--window", window_, name}); }
    // Opens a menu of the menu bar and presses its item `item`, a point of the table below the
    // bar, once the popup shows the item lit under the pointer: the popup has the pointer then.
    void chooseFromMenu(QPoint title, QPoint item, const char* name) const {
        click(title);
        const QImage open = screenshot(name, [&](const QImage& shot) {
            return shot.valid(item) && shot.pixel(item) != tableGreen;
        });
        runTool(x_, "xdotool",
                {"mousemove", "--window", window_, QString::number(item.x()),
                 QString::number(item.y())});
        // left of the pointer, which weston draws into the output
        const QRect around(item - QPoint(16, 3), QSize(12, 6));
        waitUntil([&] {
            const QImage lit = grab(artifact(name));
            for (int y = around.top(); y <= around.bottom(); ++y) {
                for (int x = around.left(); x <= around.right(); ++x) {
                    if (lit.valid(x, y) && lit.pixel(x, y) != open.pixel(x, y)) {
                        return true;
                    }
                }
            }
            return false;
        });
        click(item);
    }
    // The output once `shows` holds for it and it has held still for `stillFor` ms (at most 10 s),
    // with the pointer parked in the corner so that shots compare. A step that should change
    // nothing waits for the stillness alone.
    QImage screenshot(
        const char* name,
        const std::function<bool(const QImage&)>& shows = [](const QImage&) { return true; },
        int stillFor = 300) const {
        runTool(x_, "xdotool", {"mousemove", "--window", window_, "999", "699"});
        const QString file = artifact(name);
        QImage shot;
        QElapsedTimer still;
        waitUntil([&] {
            const QImage last = std::exchange(shot, grab(file));
            if (shot.isNull() || shot != last) {
                still.start();
                return false;
            }
            return still.elapsed() >= stillFor && shows(shot);
        });
        return shot;
    }

  private:
    QImage grab(const QString& file) const {
        runTool(x_, X_HELPER_PROGRAM, {"grab", window_, file});
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    QProcessEnvironment x_;
    QString window_;
};

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
} // namespace

TEST(Wayland, PlaysARoundAndTheAboutBoxHasOnlyItsCaption) {
    SKIP_UNLESS_INSTALLED("weston");
    XServer server(1024, 768);
    ASSERT_TRUE(server.running());
    const QProcessEnvironment x = userEnvironment(server.display());
    Weston weston(x);
    ASSERT_TRUE(weston.running());
    Output output(x);
    ASSERT_TRUE(output.found());
    QProcess game;
    startGame(game, weston.clientEnvironment());

    // the table has arrived once the output shows it and holds still
    const QPoint table = tableOrigin(output.screenshot(
        "wayland_start.png", [](const QImage& shot) { return tableOrigin(shot).x() >= 0; }));
    ASSERT_GE(table.x(), 0);
    for (const QPoint button : {QPoint(57, 352), QPoint(257, 352)}) { // Deal, Stand
        output.click(table + button);
    }
    const QRect badges(table + QPoint(0, 206), QSize(600, 27));
    const auto yellow = [](QRgb pixel) { return pixel == badgeYellow; };
    const QImage round = output.screenshot(
        "wayland_round.png", [&](const QImage& shot) { return count(shot, badges, yellow) > 500; });
    EXPECT_GT(count(round, badges, yellow), 500) << "table at " << table.x() << "," << table.y();

    const QRect tableArea(table, QSize(600, 400));
    const auto changes = [&](const QImage& shot) {
        return !changed(round, shot, tableArea).isNull();
    };
    // Help, in the menu bar above the table, and its only item, About
    output.chooseFromMenu(table + QPoint(58, -10), table + QPoint(70, 11), "wayland_help_menu.png");
    // A press on the box's caption moves it only once the game has settled after showing it,
    // and nothing on screen says when: the output holds still for a second first.
    const QImage withBox = output.screenshot(
        "wayland_about.png",
        [&](const QImage& shot) {
            const QRect box = changed(round, shot, tableArea);
            return box.width() > 100 && box.height() > 50;
        },
        1000);
    const QRect box = changed(round, withBox, tableArea);
    ASSERT_TRUE(box.width() > 100 && box.height() > 50) << "no About box over the table";
    // Where a frame would put its maximise button: nothing there, and the game goes on.
    output.click(QPoint(box.right() - 40, box.top() + 10));
    EXPECT_EQ(changed(round, output.screenshot("wayland_about_top_right.png"), tableArea), box);
    // Dragging the caption moves the box.
    output.drag(box.topLeft() + QPoint(40, 8), box.topLeft() + QPoint(10, 28));
    const auto movedAway = [&](const QImage& shot) {
        return changed(round, shot, tableArea) != box;
    };
    const QRect moved =
        changed(round, output.screenshot("wayland_about_moved.png", movedAway), tableArea);
    EXPECT_EQ(moved.topLeft() - box.topLeft(), QPoint(-30, 20));
    output.key("Escape"); // stays open
    EXPECT_EQ(changed(round, output.screenshot("wayland_about_escape.png"), tableArea), moved);
    output.key("Return"); // OK
    EXPECT_FALSE(changes(output.screenshot("wayland_about_closed.png",
                                           [&](const QImage& shot) { return !changes(shot); })));

    // File, and its only item, Exit
    output.chooseFromMenu(table + QPoint(20, -10), table + QPoint(30, 11), "wayland_file_menu.png");
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
    SKIP_UNLESS_INSTALLED("weston");
    Weston weston;
    ASSERT_TRUE(weston.running());
    QProcess game;
    QProcessEnvironment environment = weston.clientEnvironment();
    environment.insert("WAYLAND_DEBUG", "client"); // each request a line on standard error
    startGame(game, environment);
    game.setReadChannel(QProcess::StandardError);
    QByteArray debug;
    // up and running: its window has had a first frame
    EXPECT_TRUE(waitUntil([&] {
        game.waitForReadyRead(50);
        debug += game.readAllStandardError();
        return game.state() == QProcess::Running && debug.contains(".attach(wl_buffer@");
    }));
    weston.stop();
    EXPECT_EQ(exitCodeOf(game), 1);
    const QString said = QString::fromLocal8Bit(debug + game.readAllStandardError());
    EXPECT_TRUE(said.contains("Quorvel has lost its display: the connection to the Wayland "
                              "compositor " +
                              weston.socket() + " broke"))
        << said.right(2000).toStdString();
}

TEST(LostDisplay, AnXServerThatGoesMidRoundEndsTheGameWithItsName) {
    DesktopGame game;
    ASSERT_DESKTOP_READY(game);
    const int top = game.waitForTable(artifact("x11_before_loss.png"));
    ASSERT_GT(top, 0);
    game.click(QPoint(57, 352 + top)); // Deal
    const auto notGreen = [](QRgb pixel) { return pixel != tableGreen; };
    const QRect firstCard(10, 170 + top, 35, 96); // the player's: mid-round
    const QImage dealt = game.waitForShot(artifact("x11_dealt.png"), [&](const QImage& shot) {
        return count(shot, firstCard, notGreen) > 0;
    });
    ASSERT_GT(count(dealt, firstCard, notGreen), 0);
    game.stopServer();
    EXPECT_EQ(game.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(game.process().readAllStandardError());
    EXPECT_TRUE(said.contains("Quorvel has lost its display: the connection to the X display " +
                              game.environment().value("DISPLAY") + " broke"))
        << said.toStdString();
}
