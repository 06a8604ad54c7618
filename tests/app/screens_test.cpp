#include "app/command_router.h"
#include "app/main_window.h"
#include "app/table_widget.h"
#include "app/window_placement.h"
#include "game/actions.h"
#include "game/bets.h"
#include "game/deal.h"
#include "raster/surface.h"
#include "render/canvas.h"
#include "render/table_surface.h"
#include "tests/support/table_fixture.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <map>
#include <memory>

// A window moved between a screen of device pixel ratio 1 and one of ratio 2 shows each time the
// picture that the same presses give on that screen from the start.

namespace {
const std::vector<Card> draws = cards({"8C", "10D", "8H", "6S", "3C", "2D", "KS", "9C", "9H"});
constexpr std::uint32_t seed = 2026;

// Draws into the back buffer only.
class PictureOnly : public TablePainter {
  public:
    using TablePainter::TablePainter;
    void enableButton(ControlId, bool) override {}
    void invalidateRect(const Rect&) override {}
    void updateWindow() override {}
};

const std::map<char, ControlId> buttons{{'D', IDC_DEAL},   {'H', IDC_HIT},   {'S', IDC_STAND},
                                        {'X', IDC_DOUBLE}, {'P', IDC_SPLIT}, {'T', IDC_BETTEN}};

// The picture of the presses drawn at `scale` from the start, without a window.
QImage drawnFromTheStart(double scale, std::string_view presses) {
    TableState table;
    resetTable(table);
    arrangeShoe(table, draws, seed);
    Canvas canvas;
    EXPECT_TRUE(createTableSurface(canvas, table, scale));
    PictureOnly view(canvas, table);
    const std::map<ControlId, void (*)(TableState&, TableView&)> handlers{
        {IDC_DEAL, onDeal},     {IDC_HIT, onHit},     {IDC_STAND, onStand},
        {IDC_DOUBLE, onDouble}, {IDC_SPLIT, onSplit}, {IDC_BETTEN, onBetTen}};
    for (const char press : presses) {
        handlers.at(buttons.at(press))(table, view);
    }
    return backBuffer(canvas).image().copy();
}

QScreen* screenNamed(const char* name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name)) {
            return screen;
        }
    }
    return nullptr;
}

class Screens : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(screenNamed("two"));
        window = std::make_unique<MainWindow>();
        ASSERT_TRUE(window->create());
        arrangeShoe(window->tableState(), draws, seed);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    void press(std::string_view presses) {
        for (const char each : presses) {
            window->command(buttons.at(each));
        }
    }
    // Moves the window onto the named screen and waits for it to be painted there.
    void moveTo(const char* name) {
        QScreen* screen = screenNamed(name);
        window->move(screen->geometry().topLeft() + QPoint(100, 80));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->screen() == screen; }));
        QTest::qWait(50);
    }
    // What the table widget paints on its screen, buttons left out, in device pixels.
    QImage shown() const {
        const double scale = window->table().devicePixelRatioF();
        QImage picture(window->table().size() * scale, QImage::Format_RGB32);
        picture.setDevicePixelRatio(scale);
        window->table().render(&picture, {}, {}, QWidget::DrawWindowBackground);
        picture.setDevicePixelRatio(1.0);
        return picture;
    }

    std::unique_ptr<MainWindow> window;
};
} // namespace

TEST_F(Screens, MidRoundAndAfterItThePictureIsTheOneDrawnThereFromTheStart) {
    press("TDP"); // a split, the hole card face down
    moveTo("two");
    EXPECT_EQ(backBuffer(window->canvas()).scale(), 2.0);
    const QImage midRound = backBuffer(window->canvas()).image().copy();
    QImage devicePixels = midRound.copy();
    devicePixels.setDevicePixelRatio(1.0);
    EXPECT_EQ(shown(), devicePixels);
    press("XHS"); // the round ends on the screen of ratio 2
    const QImage finished = backBuffer(window->canvas()).image().copy();
    moveTo("one");
    EXPECT_EQ(backBuffer(window->canvas()).scale(), 1.0);
    const QImage finishedAtOne = backBuffer(window->canvas()).image().copy();
    window.reset();

    EXPECT_EQ(midRound, drawnFromTheStart(2.0, "TDP"));
    EXPECT_EQ(finished, drawnFromTheStart(2.0, "TDPXHS"));
    EXPECT_EQ(finishedAtOne, drawnFromTheStart(1.0, "TDPXHS"));
}

// At a fractional ratio the window's picture, at its place below the menu bar, is the back
// buffer pixel for pixel wherever no button covers it.
TEST_F(Screens, AtOneAndAHalfTheWindowShowsTheBackBufferPixelForPixel) {
    moveTo("three");
    press("TDPXHS");
    const double scale = 1.5;
    const QImage screen = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = window->table().mapTo(window.get(), QPoint(0, 0)) * scale;
    QImage expected = backBuffer(window->canvas()).image().convertToFormat(QImage::Format_RGB32);
    expected.setDevicePixelRatio(1.0);
    QRegion buttons;
    for (std::int32_t id = 0; id < buttonCount; ++id) {
        const QRect place = window->button(ControlId(id)).geometry();
        buttons += QRect(place.topLeft() * scale, place.size() * scale).adjusted(-2, -2, 2, 2);
    }
    int unlike = 0;
    for (int y = 0; y < toDevice(tableExtent.height(), scale); ++y) {
        for (int x = 0; x < toDevice(tableExtent.width(), scale); ++x) {
            unlike += !buttons.contains(QPoint(x, y)) &&
                      screen.pixel(origin + QPoint(x, y)) != expected.pixel(x, y);
        }
    }
    EXPECT_EQ(unlike, 0);
}
