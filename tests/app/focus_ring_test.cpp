#include "app/main_window.h"
#include "app/table_widget.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

// Deal after the first Tab, and the card table after a Shift+Tab while a screen reader runs, as
// the window shows them on screens of device pixel ratios 1, 2 and 1.5, with and without the focus:
// the focus is a ring that a player who sees less well finds on the green table. Contrast is
// measured as the accessibility guidelines measure it, from the pixels shown.

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
    bool table; // else Deal
    const char* name;
};

const RingOnScreen rings[] = {
    {"one", 1.0, false, "DealAtRatio1"},     {"two", 2.0, false, "DealAtRatio2"},
    {"three", 1.5, false, "DealAtRatio1_5"}, {"one", 1.0, true, "TableAtRatio1"},
    {"two", 2.0, true, "TableAtRatio2"},     {"three", 1.5, true, "TableAtRatio1_5"},
};

void PrintTo(const RingOnScreen& row, std::ostream* out) {
    *out << row.name;
}

class FocusRing : public ::testing::TestWithParam<RingOnScreen> {};
} // namespace

TEST_P(FocusRing, IsTwoLogicalPixelsWideAndStandsOutThreeToOne) {
    QScreen* screen = nullptr;
    for (QScreen* each : QGuiApplication::screens()) {
        screen = each->name() == QLatin1String(GetParam().screen) ? each : screen;
    }
    ASSERT_TRUE(screen);
    MainWindow window;
    ASSERT_TRUE(window.create());
    window.move(screen->geometry().topLeft() + QPoint(100, 80));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.screen() == screen; }));
    const double scale = GetParam().scale;
    ASSERT_EQ(window.devicePixelRatioF(), scale);
    const bool table = GetParam().table;
    QAccessible::setActive(table); // Deal has the focus, the table is the last tab stop
    QWidget& target = table ? static_cast<QWidget&>(window.table()) : window.button(IDC_DEAL);
    const auto shown = [&] {
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage unfocused = shown();
    QTest::keyClick(window.windowHandle(), table ? Qt::Key_Backtab : Qt::Key_Tab,
                    table ? Qt::ShiftModifier : Qt::NoModifier);
    const QImage focused = shown();
    const bool hasFocus = target.hasFocus();
    QAccessible::setActive(false);
    ASSERT_TRUE(hasFocus);
    ASSERT_EQ(focused.size(), unfocused.size());

    // the control's visible part in device pixels (those whose centres it covers), and from each
    // side's middle inwards the run of the ring's colour, the pixel just outside and the face just
    // inside (the table's face is the felt)
    const QRect visible = target.visibleRegion().boundingRect();
    const QRectF exact(QPointF(target.mapTo(&window, visible.topLeft())) * scale,
                       QSizeF(visible.size()) * scale);
    const QRect button(QPoint(std::lround(exact.left()), std::lround(exact.top())),
                       QPoint(std::lround(exact.right()) - 1, std::lround(exact.bottom()) - 1));
    const QRgb ring = focused.pixel(button.left(), button.center().y());
    const QPoint inwards[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    const QPoint edges[] = {{button.left(), button.center().y()},
                            {button.right(), button.center().y()},
                            {button.center().x(), button.top()},
                            {button.center().x(), button.bottom()}};
    int width = button.width();
    double againstOutside = 100;
    double againstFace = 100;
    for (int side = 0; side < 4; ++side) {
        int run = 0;
        while (run < button.height() / 2 &&
               focused.pixel(edges[side] + inwards[side] * run) == ring) {
            ++run;
        }
        width = std::min(width, run);
        const QPoint outside = edges[side] - inwards[side];
        if (focused.rect().contains(outside)) {
            againstOutside = std::min(againstOutside, contrast(ring, focused.pixel(outside)));
        }
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
    std::printf("%s at scale %.1f: ring #%06x, %d device pixels wide; contrast %.2f:1 outside, "
                "%.2f:1 with the face, at least %.2f:1 with the unfocused pixels\n",
                table ? "table" : "Deal", scale, ring & 0xffffff, width, againstOutside,
                againstFace, againstUnfocused);
    EXPECT_GE(width, 2 * scale);
    EXPECT_EQ(notRing, 0);
    EXPECT_GE(againstOutside, 3.0);
    EXPECT_GE(againstFace, 3.0);
    EXPECT_GE(againstUnfocused, 3.0);
}

INSTANTIATE_TEST_SUITE_P(Scales, FocusRing, ::testing::ValuesIn(rings),
                         [](const ::testing::TestParamInfo<RingOnScreen>& info) {
                             return std::string(info.param.name);
                         });
