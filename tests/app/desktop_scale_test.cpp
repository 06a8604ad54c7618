// The built program under Xvfb at other screen scales (QT_SCALE_FACTOR), played with the mouse
// through the X server: the table comes out at the screen's own resolution, whole and in place.
#include "tests/app/desktop_session.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
const QPoint deal(57, 352), hit(157, 352), stand(257, 352); // centres of the buttons

DesktopOptions scaled(QSize screen, double scale) {
    return {.screen = screen, .set = {{"QT_SCALE_FACTOR", QString::number(scale)}}};
}

// Device pixels of a logical coordinate; below 1 the game asks Qt for 1 instead.
int device(int logical, double scale) {
    return static_cast<int>(std::lround(logical * std::max(scale, 1.0)));
}

// Of the aligned 2 x 2 blocks on an edge (unlike a block beside them), the share of one colour:
// 100 % for a picture enlarged pixel by pixel, whatever it shows.
double uniformEdgeBlockShare(const QImage& picture) {
    const auto uniform = [&](int x, int y) {
        const QRgb pixel = picture.pixel(x, y);
        return pixel == picture.pixel(x + 1, y) && pixel == picture.pixel(x, y + 1) &&
               pixel == picture.pixel(x + 1, y + 1);
    };
    int edges = 0;
    int uniformEdges = 0;
    for (int y = 2; y + 3 < picture.height(); y += 2) {
        for (int x = 2; x + 3 < picture.width(); x += 2) {
            const QRgb pixel = picture.pixel(x, y);
            const bool edge = pixel != picture.pixel(x - 1, y) ||
                              pixel != picture.pixel(x + 2, y) ||
                              pixel != picture.pixel(x, y - 1) ||
                              pixel != picture.pixel(x, y + 2) || !uniform(x, y);
            edges += edge;
            uniformEdges += edge && uniform(x, y);
        }
    }
    return 100.0 * uniformEdges / edges;
}

int colours(const QImage& picture) {
    QSet<QRgb> seen;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            seen.insert(picture.pixel(x, y));
        }
    }
    return static_cast<int>(seen.size());
}
} // namespace

TEST(DesktopScale, AtScaleTwoCardsAndTextAreDrawnAtDeviceResolution) {
    DesktopGame game(scaled({1600, 1200}, 2));
    ASSERT_DESKTOP_READY(game);
    const int top = game.waitForTable(artifact("x11_scale2_start.png"));
    ASSERT_GT(top, 0);
    for (const QPoint button : {deal, hit, stand}) {
        game.click(button * 2 + QPoint(0, top));
    }
    // the round is over once the player's hand has its badge
    const QImage shot =
        game.waitForShot(artifact("x11_scale2_round.png"), [&](const QImage& round) {
            return count(round, QRect(0, top + 2 * 206, 1200, 2 * 27),
                         [](QRgb pixel) { return pixel == badgeYellow; }) > 4 * 500;
        });
    ASSERT_EQ(shot.width(), 1200);
    const QImage playerRow = shot.copy(20, top + 340, 282, 192);
    const QImage label = shot.copy(20, top + 10, 160, 28); // "Dealers Hand"
    RecordProperty("player_row_uniform_edge_blocks_percent",
                   std::to_string(uniformEdgeBlockShare(playerRow)));
    EXPECT_LT(uniformEdgeBlockShare(playerRow), 80.0); // 57 % to 69 % seen
    EXPECT_LT(uniformEdgeBlockShare(label), 60.0);
    EXPECT_GT(colours(label), 2); // smoothed edges, not two colours enlarged
}

class UnusualScale : public testing::TestWithParam<double> {};

// Whole and in place: the dealt hole card where the dealer's hand begins, the white frame of the
// Money box, the table green between them.
TEST_P(UnusualScale, TheWholeTableIsDrawn) {
    const double scale = GetParam();
    DesktopGame game(scaled({3600, 2600}, scale));
    ASSERT_DESKTOP_READY(game);
    const std::string name = "x11_scale" + QString::number(scale).toStdString() + ".png";
    const int top = game.waitForTable(artifact(name.c_str()));
    ASSERT_GT(top, 0);
    const auto at = [&](QPoint logical) {
        return QPoint(device(logical.x(), scale), top + device(logical.y(), scale));
    };
    game.click(at(deal));
    const QImage shot = game.waitForShot(artifact(name.c_str()), [&](const QImage& dealt) {
        return dealt.pixel(at({27, 78})) != tableGreen;
    });
    EXPECT_NE(shot.pixel(at({27, 78})), tableGreen);            // the hole card's back
    EXPECT_EQ(shot.pixel(at({555, 380})), qRgb(255, 255, 255)); // the Money box's right edge
    EXPECT_EQ(shot.pixel(at({400, 200})), tableGreen);          // the empty table
    EXPECT_FALSE(game.process().waitForFinished(200));          // nothing gave way
    game.process().kill();
    game.process().waitForFinished();
    const QByteArray said = game.process().readAllStandardError();
    EXPECT_EQ(said.count("cannot be drawn at"), scale < 1 ? 1 : 0) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ratios, UnusualScale, testing::Values(0.75, 1.33333, 4.0));

// On Wayland the scale comes from the compositor's output: at 2 the game's window is drawn at
// twice the pixels, its table as sharp as on X11.
TEST(DesktopScale, OnAWaylandOutputOfScaleTwoTheTableIsDrawnAtItsResolution) {
    SKIP_UNLESS_INSTALLED("weston", "weston-screenshooter");
    Weston weston({}, {"--use-pixman", "--width=1400", "--height=1100", "--scale=2", "--debug"});
    ASSERT_TRUE(weston.running());
    QProcess game;
    startGame(game, weston.clientEnvironment());
    ASSERT_TRUE(game.waitForStarted());
    // the output, taken until the table is on it with the Money frame in its corner
    QImage shot;
    QPoint corner(-1, -1);
    QString failure;
    waitUntil([&] {
        QTemporaryDir shots;
        QProcess screenshooter;
        screenshooter.setProcessEnvironment(weston.clientEnvironment());
        screenshooter.setWorkingDirectory(shots.path());
        screenshooter.start("weston-screenshooter", {});
        screenshooter.waitForFinished(10000);
        const QStringList taken = QDir(shots.path()).entryList({"*.png"});
        failure = screenshooter.readAllStandardError();
        if (taken.size() != 1) {
            return false;
        }
        shot = QImage(shots.filePath(taken.first())).convertToFormat(QImage::Format_RGB32);
        corner = tableOrigin(shot);
        return corner.x() >= 0 && shot.valid(corner + QPoint(2 * 555, 2 * 380)) &&
               shot.pixel(corner + QPoint(2 * 555, 2 * 380)) == qRgb(255, 255, 255);
    });
    ASSERT_FALSE(shot.isNull()) << failure.toStdString();
    shot.save(artifact("wayland_scale2.png"));
    ASSERT_GE(corner.x(), 0);
    const QImage label = shot.copy(QRect(corner + QPoint(20, 10), QSize(160, 28))); // Dealers Hand
    EXPECT_EQ(shot.pixel(corner + QPoint(2 * 555, 2 * 380)), qRgb(255, 255, 255));  // Money frame
    EXPECT_LT(uniformEdgeBlockShare(label), 60.0);
    EXPECT_GT(colours(label), 2);
    EXPECT_EQ(game.state(), QProcess::Running);
    game.kill();
    game.waitForFinished();
}
