// The built program under Xvfb at other screen scales (QT_SCALE_FACTOR), played with the mouse
// through the X server: the table comes out at the screen's own resolution, whole and in place.
#include "tools/startbench/x_server.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr QRgb tableGreen = qRgb(0, 128, 0);

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

// The game on its own X server at a screen scale, found by its caption.
class ScaledGame {
  public:
    // Below 1 the game asks Qt for 1 instead.
    explicit ScaledGame(double scale) : scale_(std::max(scale, 1.0)), server_(3600, 2600) {
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.remove("QT_QPA_PLATFORM");
        environment_.remove("WAYLAND_DISPLAY");
        environment_.insert("DISPLAY", QString::fromStdString(server_.display()));
        environment_.insert("QT_SCALE_FACTOR", QString::number(scale));
        process_.setProcessEnvironment(environment_);
        process_.start(QUORVEL_PROGRAM, {});
        window_ = run(environment_, "xdotool",
                      {"search", "--sync", "--onlyvisible", "--name", "^Quorvel$"})
                      .section('\n', 0, 0);
    }
    ~ScaledGame() {
        process_.kill();
        process_.waitForFinished();
    }

    bool found() const { return !window_.isEmpty(); }
    QProcess& process() { return process_; }

    QImage screenshot(const QString& name) const {
        QDir().mkpath(ARTIFACT_DIR);
        const QString file = QDir(ARTIFACT_DIR).filePath(name);
        run(environment_, X_HELPER_PROGRAM, {"grab", window_, file});
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }
    // The first row of table green below the menu bar, in device pixels; -1 if never drawn.
    int waitForTable(const QString& name) const {
        for (int attempt = 0; attempt < 50; ++attempt) {
            const QImage shot = screenshot(name);
            for (int y = 0; y < shot.height(); ++y) {
                if (shot.pixel(device(300), y) == tableGreen) {
                    return y;
                }
            }
            QThread::msleep(100);
        }
        return -1;
    }
    // Clicks at logical coordinates of the table, whose top is `top` device pixels down.
    void click(QPoint at, int top) const {
        run(environment_, "xdotool",
            {"mousemove", "--window", window_, QString::number(device(at.x())),
             QString::number(top + device(at.y())), "click", "1"});
        QThread::msleep(500);
    }
    int device(int logical) const { return static_cast<int>(std::lround(logical * scale_)); }

  private:
    double scale_;
    XServer server_;
    QProcessEnvironment environment_;
    QProcess process_;
    QString window_;
};

const QPoint deal(57, 352), hit(157, 352), stand(257, 352); // centres of the buttons

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
    ScaledGame game(2);
    ASSERT_TRUE(game.found());
    const int top = game.waitForTable("x11_scale2_start.png");
    ASSERT_GT(top, 0);
    for (const QPoint button : {deal, hit, stand}) {
        game.click(button, top);
    }
    const QImage shot = game.screenshot("x11_scale2_round.png");
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
    ScaledGame game(scale);
    ASSERT_TRUE(game.found());
    const QString name = QStringLiteral("x11_scale%1.png").arg(QString::number(scale));
    const int top = game.waitForTable(name);
    ASSERT_GT(top, 0);
    game.click(deal, top);
    const QImage shot = game.screenshot(name);
    const auto at = [&](int x, int y) { return shot.pixel(game.device(x), top + game.device(y)); };
    EXPECT_NE(at(27, 78), tableGreen);                 // the hole card's back
    EXPECT_EQ(at(555, 380), qRgb(255, 255, 255));      // the Money box's right edge
    EXPECT_EQ(at(400, 200), tableGreen);               // the empty table
    EXPECT_FALSE(game.process().waitForFinished(200)); // nothing gave way
    game.process().kill();
    game.process().waitForFinished();
    const QByteArray said = game.process().readAllStandardError();
    EXPECT_EQ(said.count("cannot be drawn at"), scale < 1 ? 1 : 0) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ratios, UnusualScale, testing::Values(0.75, 1.33333, 4.0));
