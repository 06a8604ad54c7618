#include "app/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, OnlyAScreenExactly640WideOpensTheWindowAtTheTop) {
    const struct {
        int screenWidth;
        QPoint origin;
    } cases[] = {{640, {20, 0}},   {600, {100, 80}}, {639, {100, 80}},
                 {641, {100, 80}}, {800, {100, 80}}, {1024, {100, 80}}};
    for (const auto& each : cases) {
        EXPECT_EQ(windowOrigin(each.screenWidth), each.origin) << each.screenWidth;
    }
}

TEST(WindowPlacement, TheFrameIsTakenOffTheOuterSize) {
    const struct {
        QMargins frame;
        int menuBarHeight;
        QSize client;
    } cases[] = {
        {{0, 0, 0, 0}, 22, {600, 460}},    // no window manager: the frame is 0
        {{4, 23, 4, 4}, 20, {592, 433}},   // a thin frame and caption
        {{1, 30, 1, 1}, 22, {598, 429}},   // a tall caption, still room for the buttons
        {{10, 60, 10, 10}, 30, {580, 436}} // too thick: the buttons stay in view instead
    };
    for (const auto& each : cases) {
        EXPECT_EQ(clientSizeFor(each.frame, each.menuBarHeight), each.client);
        const QSize client = clientSizeFor(each.frame, each.menuBarHeight);
        EXPECT_GE(client.height() - each.menuBarHeight, tableExtent.height());
    }
    // mirrored for a right-to-left language, the hands and the Deal button end 10 pixels before
    // the table's right edge, and stay in view
    EXPECT_EQ(clientSizeFor({10, 60, 10, 10}, 30, TableLayout::Direction::rightToLeft),
              QSize(590, 436));
}
