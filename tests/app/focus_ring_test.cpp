#include "app/main_window.h"
#include "tests/support/table_fixture.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

// Deal as the window shows it on screens of device pixel ratios 1 and 2, before and after the
// first Tab: the focus is a ring that a player who sees less well finds on the green table.
// Contrast is measured as the accessibility guidelines measure it, from the pixels shown.

namespace {
double luminance(QRgb pixel) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
           0.0722 * linear(qBlue(pixel));
}

double contrast(QRgb one, QRgb other) {
    const auto [darker, lighter] = std::minmax({luminance(one), luminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

struct RingOnScreen {
    const char* screen;
    double scale;
};

void PrintTo(const RingOnScreen& row, std::ostream* out) {
    *out << row.screen;
}

class FocusRing : public ::testing::TestWithParam<RingOnScreen> {};
} // namespace

TEST_P(FocusRing, IsTwoLogicalPixelsWideAndStandsOutThreeToOne) {
    QScreen* screen = nullptr;
    for (QScreen* each : QGuiApplication::screens()) {
        screen = each->name() == QLatin1String(GetParam().screen) ? each : screen;
    }
    ASSERT_TRUE(screen);
    resetTable();
    MainWindow window;
    ASSERT_TRUE(window.create());
    window.move(screen->geometry().topLeft() + QPoint(100, 80));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.screen() == screen; }));
    const double scale = GetParam().scale;
    ASSERT_EQ(window.devicePixelRatioF(), scale);
    QPushButton& deal = window.button(IDC_DEAL);
    const auto shown = [&] {
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage unfocused = shown();
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    ASSERT_TRUE(deal.hasFocus());
    const QImage focused = shown();
    ASSERT_EQ(focused.size(), unfocused.size());

    // the button in device pixels, and from each side's middle inwards the run of the ring's
    // colour, the felt just outside and the face just inside
    const QRect button(deal.mapTo(&window, QPoint(0, 0)) * scale, deal.size() * scale);
    const QRgb ring = focused.pixel(button.left(), button.center().y());
    const QPoint inwards[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    const QPoint edges[] = {{button.left(), button.center().y()},
                            {button.right(), button.center().y()},
                            {button.center().x(), button.top()},
                            {button.center().x(), button.bottom()}};
    int width = button.width();
    double againstFelt = 100;
    double againstFace = 100;
    for (int side = 0; side < 4; ++side) {
        int run = 0;
        while (run < button.height() / 2 &&
               focused.pixel(edges[side] + inwards[side] * run) == ring) {
            ++run;
        }
        width = std::min(width, run);
        againstFelt =
            std::min(againstFelt, contrast(ring, focused.pixel(edges[side] - inwards[side])));
        againstFace =
            std::min(againstFace, contrast(ring, focused.pixel(edges[side] + inwards[side] * run)));
    }
    // every pixel of a band of that width all round, against the same pixel without the focus
    double againstUnfocused = 100;
    int notRing = 0;
    const QRect inner = button.adjusted(width, width, -width, -width);
    for (int y = button.top(); y <= button.bottom(); ++y) {
        for (int x = button.left(); x <= button.right(); ++x) {
            if (!inner.contains(x, y)) {
                notRing += focused.pixel(x, y) != ring;
                againstUnfocused = std::min(againstUnfocused,
                                            contrast(focused.pixel(x, y), unfocused.pixel(x, y)));
            }
        }
    }
    std::printf("scale %.0f: ring #%06x, %d device pixels wide; contrast %.2f:1 with the felt, "
                "%.2f:1 with the face, at least %.2f:1 with the unfocused button\n",
                scale, ring & 0xffffff, width, againstFelt, againstFace, againstUnfocused);
    EXPECT_GE(width, 2 * scale);
    EXPECT_EQ(notRing, 0);
    EXPECT_GE(againstFelt, 3.0);
    EXPECT_GE(againstFace, 3.0);
    EXPECT_GE(againstUnfocused, 3.0);
}

INSTANTIATE_TEST_SUITE_P(Scales, FocusRing,
                         ::testing::Values(RingOnScreen{"one", 1.0}, RingOnScreen{"two", 2.0}),
                         [](const ::testing::TestParamInfo<RingOnScreen>& info) {
                             return std::string("Scale") + info.param.screen;
                         });
