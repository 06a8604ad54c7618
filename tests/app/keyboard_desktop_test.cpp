// The built program played with keys alone on a private X server under openbox, with no D-Bus
// session and so no assistive technology: what a sighted player without a mouse meets. A click
// first, which must leave every button as it was drawn.
#include "desktop_session.h"

#include <gtest/gtest.h>

#include <array>

namespace {
// The nine buttons in the table's coordinates, in tab order.
constexpr std::array<QRect, 9> buttons{
    QRect(10, 340, 95, 25),  QRect(110, 340, 95, 25), QRect(210, 340, 95, 25),
    QRect(110, 375, 95, 25), QRect(210, 375, 95, 25), QRect(325, 365, 70, 18),
    QRect(325, 388, 70, 18), QRect(400, 365, 70, 18), QRect(400, 388, 70, 18)};
constexpr int deal = 0, hit = 1, betFive = 6;

bool same(const QImage& one, const QImage& other, const QRect& area) {
    return one.copy(area) == other.copy(area);
}
} // namespace

TEST(KeyboardSession, PlaysARoundWithKeysAloneAfterAClickThatShowsNoFocus) {
    // no session bus, so no accessibility bus and no screen reader
    DesktopGame game({.openbox = true,
                      .unset = {"DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                                "QT_ACCESSIBILITY", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"}});
    ASSERT_DESKTOP_READY(game);
    const QProcessEnvironment& environment = game.environment();
    const int top = game.waitForTable(artifact("keys_start.png"));
    ASSERT_GT(top, 0);
    const auto active = [&](const QString& window) {
        return waitUntil(
            [&] { return runTool(environment, "xdotool", {"getactivewindow"}) == window; });
    };
    ASSERT_TRUE(active(game.window()));
    const auto button = [top](int index) { return buttons[index].translated(0, top); };
    const QImage start = game.screenshot(artifact("keys_start.png"));

    // Bet Five, clicked: the bet shows 10, and once the pointer has left, every button looks as
    // it did
    game.click(button(betFive).center());
    const QRect bet(325, 340 + top, 125, 15);
    const auto betShown = [&](const QImage& shot) { return !same(shot, start, bet); };
    EXPECT_TRUE(betShown(game.waitForShot(artifact("keys_clicked.png"), betShown)));
    runTool(environment, "xdotool", {"mousemove", "--window", game.window(), "300", "100"});
    const QImage clicked = game.waitForShot(artifact("keys_clicked.png"), [&](const QImage& shot) {
        for (int index = 0; index < 9; ++index) {
            if (!same(shot, start, button(index))) {
                return false;
            }
        }
        return true;
    });
    for (int index = 0; index < 9; ++index) {
        EXPECT_TRUE(same(clicked, start, button(index))) << "button " << index;
    }

    // Tab shows the focus on Deal
    game.key("Tab");
    const QImage focused = game.waitForShot(artifact("keys_tab.png"), [&](const QImage& shot) {
        return !same(shot, clicked, button(deal));
    });
    EXPECT_FALSE(same(focused, clicked, button(deal)));

    // Space deals, again while a two-card 21 ends the round at once, until a hand is in play
    const QRect badges(0, 206 + top, 590, 27); // within the frame's client width
    const auto badge = [&](const QImage& shot) {
        return count(shot, badges, [](QRgb pixel) { return pixel == badgeYellow; }) > 500;
    };
    const QRect table(0, top, 590, 340);
    bool inPlay = false;
    for (int deals = 0; deals < 5 && !inPlay; ++deals) {
        const QImage before = game.screenshot(artifact("keys_deal.png"));
        game.key("space");
        const QImage dealt = game.waitForShot(artifact("keys_deal.png"), [&](const QImage& shot) {
            return !same(shot, before, table) && (badge(shot) || !same(shot, start, button(hit)));
        });
        ASSERT_FALSE(same(dealt, before, table)) << "no cards after Space";
        inPlay = !badge(dealt);
    }
    ASSERT_TRUE(inPlay);
    // the focus is on Hit: Tab to Stand, and Space stands
    game.key("Tab");
    game.key("space");
    EXPECT_TRUE(badge(game.waitForShot(artifact("keys_round.png"), badge)));

    // F10, Right, Return: Help > About; Return closes the box
    for (const char* name : {"F10", "Right", "Return"}) {
        game.key(name);
    }
    const QString box = waitForWindow(environment, "^About Quorvel$");
    ASSERT_FALSE(box.isEmpty());
    ASSERT_TRUE(active(box));
    game.key("Return");
    EXPECT_TRUE(waitUntil([&] {
        return runTool(environment, "xdotool",
                       {"search", "--onlyvisible", "--name", "^About Quorvel$"})
            .isEmpty();
    }));
    ASSERT_TRUE(active(game.window()));

    // F10, Return: File > Exit
    game.key("F10");
    game.key("Return");
    EXPECT_EQ(game.exitCode(), 0);
}
