#include "tests/app/window_fixture.h"

#include "app/table_widget.h"
#include "app/window_placement.h"
#include "game/table_state.h"
#include "tests/support/table_fixture.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace {
struct ExpectedButton {
    ControlId id;
    const char* caption;
    QRect geometry; // (left, top), (right, bottom) exclusive
    bool enabled;
};

QRect corners(int left, int top, int right, int bottom) {
    return {QPoint(left, top), QSize(right - left, bottom - top)};
}

// In the order the buttons are created.
const ExpectedButton expectedButtons[] = {
    {IDC_DEAL, "Deal", corners(10, 340, 105, 365), true},
    {IDC_HIT, "Hit", corners(110, 340, 205, 365), false},
    {IDC_STAND, "Stand", corners(210, 340, 305, 365), false},
    {IDC_SPLIT, "Split", corners(210, 375, 305, 400), false},
    {IDC_DOUBLE, "Double", corners(110, 375, 205, 400), false},
    {IDC_BETONE, "Bet One", corners(325, 365, 395, 383), true},
    {IDC_BETFIVE, "Bet Five", corners(325, 388, 395, 406), true},
    {IDC_BETTEN, "Bet Ten", corners(400, 365, 470, 383), true},
    {IDC_CLEAR, "Clear", corners(400, 388, 470, 406), true},
};
} // namespace

TEST_F(WindowTest, StartsWithTheNineButtonsInBettingMode) {
    const QList<QPushButton*> created =
        window->table().parentWidget()->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(created.size(), buttonCount);
    for (int order = 0; order < buttonCount; ++order) {
        const ExpectedButton& expected = expectedButtons[order];
        SCOPED_TRACE(expected.caption);
        const QPushButton& button = window->button(expected.id);
        EXPECT_EQ(created[order], &button);
        EXPECT_EQ(button.text(), QString::fromLatin1(expected.caption));
        EXPECT_EQ(button.geometry(), expected.geometry);
        EXPECT_EQ(button.isEnabled(), expected.enabled);
        EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(button.font(), QApplication::font(&button));
        EXPECT_TRUE(button.isVisible());
    }
    EXPECT_EQ(enabledWords(), "deal betone betfive betten clear");
}

TEST_F(WindowTest, OpensAsTheQuorvelWindowOfItsOuterSize) {
    EXPECT_EQ(window->windowTitle(), "Quorvel");
    // the offscreen platform reports a frame of 2 pixels, which comes off the inside
    EXPECT_EQ(window->frameGeometry().size(), QSize(600, 460));
    EXPECT_EQ(window->frameGeometry().topLeft(),
              windowOrigin(window->screen()->geometry().width()));
    // the table picture starts right below the menu bar, in full view down to the buttons
    EXPECT_EQ(window->table().mapTo(window.get(), QPoint(0, 0)),
              QPoint(0, window->menuBar()->height()));
    EXPECT_GE(window->centralWidget()->width(), tableExtent.width());
    EXPECT_GE(window->centralWidget()->height(), tableExtent.height());
    EXPECT_EQ(pixelsUnlikeBackBuffer(), 0);
}

TEST_F(WindowTest, MenuOffersExitAndAboutWithoutShortcuts) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    const QStringList titles{"File", "Help"};
    const QStringList items{"Exit", "About"};
    for (int index = 0; index < 2; ++index) {
        EXPECT_EQ(menus[index]->text(), titles[index]);
        ASSERT_NE(menus[index]->menu(), nullptr);
        const QList<QAction*> actions = menus[index]->menu()->actions();
        ASSERT_EQ(actions.size(), 1);
        EXPECT_EQ(actions[0]->text(), items[index]);
        EXPECT_TRUE(actions[0]->shortcut().isEmpty());
        EXPECT_TRUE(actions[0]->isEnabled());
    }
}

TEST_F(WindowTest, DisabledButtonsSendNothing) {
    click(IDC_HIT);
    click(IDC_STAND);
    EXPECT_TRUE(state().bettingMode);
    EXPECT_EQ(cardsIn(*handState(state(), PlayerHandId).hand.cards), 0);
    EXPECT_EQ(state().bank, 1000);
}

TEST_F(WindowTest, EnlargingTheWindowMovesNothing) {
    window->resize(1100, 900);
    QApplication::processEvents();
    EXPECT_EQ(window->table().mapTo(window.get(), QPoint(0, 0)),
              QPoint(0, window->menuBar()->height()));
    EXPECT_EQ(window->table().size(), QSize(800, 600));
    for (const ExpectedButton& expected : expectedButtons) {
        EXPECT_EQ(window->button(expected.id).geometry(), expected.geometry);
    }
    EXPECT_EQ(pixelsUnlikeBackBuffer(), 0);
}
