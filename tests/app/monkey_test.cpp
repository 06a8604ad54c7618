#include "tests/app/window_fixture.h"

#include "cards/random.h"
#include "game/table_state.h"
#include "tests/support/round_outcome.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <random>

// Random clicks anywhere in the window, on its buttons whether enabled or not, on the menu bar
// and in the open menus, and random keys; the About box, when a click opens it, gets clicks and
// keys of its own before Enter closes it. After every event the buttons must match the mode of
// the round, and the bank may only have moved when a round ended, by that round's settlement.
namespace {
int eventsToSend() {
    const char* asked = std::getenv("QUORVEL_MONKEY_EVENTS");
    const int events = asked ? std::atoi(asked) : 0;
    return events > 0 ? events : 20'000;
}

int below(std::mt19937& chooser, int limit) {
    return std::uniform_int_distribution<int>(0, limit - 1)(chooser);
}

QPoint anywhereIn(std::mt19937& chooser, QSize size) {
    return {below(chooser, size.width()), below(chooser, size.height())};
}

struct MonkeyCounts {
    int rounds = 0;
    int aboutVisits = 0;
    int menuClicks = 0;
    int exitAvoided = 0;
};

class MonkeyTest : public WindowTest {
  protected:
    // Exit would end the game: a click that would land on it, in an open File menu, whichever
    // window it is sent to, is not made.
    bool wouldHitExit(const QWidget& target, QPoint at) {
        QMenu* file = window->menuBar()->actions().first()->menu();
        if (!file->isVisible()) {
            return false;
        }
        const QRect exit = file->actionGeometry(menuItem(*window, "Exit"));
        if (exit.contains(file->mapFromGlobal(target.mapToGlobal(at)))) {
            ++counts.exitAvoided;
            return true;
        }
        return false;
    }

    // Clicks in an open menu, anywhere in it but on Exit.
    void clickInMenu(QMenu& menu) {
        const QPoint at = anywhereIn(chooser, menu.size());
        if (wouldHitExit(menu, at)) {
            QTest::keyClick(&menu, Qt::Key_Escape);
            return;
        }
        ++counts.menuClicks;
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, at);
    }

    void clickInWindow(QPoint at) {
        if (!wouldHitExit(*window, at)) {
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        }
    }

    void sendOneEvent() {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            below(chooser, 4) == 0 ? clickInWindow(anywhereIn(chooser, window->size()))
                                   : clickInMenu(*menu);
            return;
        }
        const int kind = below(chooser, 100);
        if (kind < 45) { // anywhere: the table, the panels, the menu bar, between buttons
            clickInWindow(anywhereIn(chooser, window->size()));
        } else if (kind < 90) { // on a button, enabled or not
            const QPushButton& button = window->button(ControlId(below(chooser, buttonCount)));
            const QPoint inside = anywhereIn(chooser, button.size());
            clickInWindow(button.mapTo(window.get(), inside));
        } else if (kind < 95) { // on a menu title
            const QList<QAction*> menus = window->menuBar()->actions();
            const QRect title = window->menuBar()->actionGeometry(menus[below(chooser, 2)]);
            clickInWindow(window->menuBar()->mapTo(window.get(), title.center()));
        } else { // keys, which no button takes: none has the focus
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape,
                                    Qt::Key_D,      Qt::Key_H,     Qt::Key_Tab};
            QTest::keyClick(window.get(), keys[below(chooser, 6)]);
        }
    }

    // While the About box is open: clicks on the game window, which must change nothing,
    // Escape, which must leave the box open, then Enter.
    void visitAboutBoxWhenOpen() {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || box->windowTitle() != "About Quorvel") {
            return;
        }
        ++counts.aboutVisits;
        const std::int32_t bank = state().bank;
        const bool betting = state().bettingMode;
        const std::string enabled = enabledWords();
        for (int click = 0; click < 5; ++click) {
            const QPushButton& button = window->button(ControlId(below(chooser, buttonCount)));
            clickInWindow(button.mapTo(window.get(), button.rect().center()));
        }
        QTest::keyClick(box, Qt::Key_Escape);
        aboutHeldBack = aboutHeldBack && box->isVisible() && state().bank == bank &&
                        state().bettingMode == betting && enabledWords() == enabled;
        QTest::keyClick(box, Qt::Key_Return);
    }

    void checkAfterEvent(std::int32_t bankBefore, bool wasBetting, std::int32_t countdownBefore) {
        const bool betting = state().bettingMode;
        ASSERT_EQ(enabledWords().starts_with("deal"), betting) << enabledWords();
        for (ControlId id : {IDC_BETONE, IDC_BETFIVE, IDC_BETTEN, IDC_CLEAR}) {
            ASSERT_EQ(window->button(id).isEnabled(), betting);
        }
        for (ControlId id : {IDC_HIT, IDC_STAND}) {
            ASSERT_EQ(window->button(id).isEnabled(), !betting);
        }
        if (betting) {
            ASSERT_FALSE(window->button(IDC_DOUBLE).isEnabled());
            ASSERT_FALSE(window->button(IDC_SPLIT).isEnabled());
        }
        const bool dealt = state().cardsUntilReshuffle != countdownBefore;
        const bool roundEnded = betting && (!wasBetting || dealt);
        if (roundEnded) {
            ++counts.rounds;
            ASSERT_EQ(wasBetting, roundHadNatural(state()))
                << "a round ends at the deal on a natural";
            ASSERT_EQ(state().bank - std::int64_t{bankBefore}, expectedSettlement(state()));
        } else {
            ASSERT_EQ(state().bank, bankBefore) << "money moves only when a round ends";
        }
    }

    std::mt19937 chooser{20261207};
    MonkeyCounts counts;
    bool aboutHeldBack = true;
};
} // namespace

TEST_F(MonkeyTest, RandomClicksKeepTheRulesAndThePicture) {
    randomSeed(state().shoe.random, 4242);
    QTimer aboutWatch;
    QObject::connect(&aboutWatch, &QTimer::timeout, [this] { visitAboutBoxWhenOpen(); });
    aboutWatch.start(1);

    const int events = eventsToSend();
    for (int event = 0; event < events; ++event) {
        const std::int32_t bank = state().bank;
        const bool wasBetting = state().bettingMode;
        const std::int32_t countdown = state().cardsUntilReshuffle;
        sendOneEvent();
        ASSERT_NO_FATAL_FAILURE(checkAfterEvent(bank, wasBetting, countdown)) << "event " << event;
        ASSERT_TRUE(window->isVisible()) << "event " << event;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    QApplication::processEvents();

    EXPECT_EQ(pixelsUnlikeBackBuffer(), 0);
    EXPECT_TRUE(aboutHeldBack);
    // the walk reached every part of the game, not only its first screen
    EXPECT_GT(counts.rounds, events / 40);
    EXPECT_GT(counts.aboutVisits, 0);
    EXPECT_GT(counts.menuClicks, 0);
    std::printf("%d events: %d rounds, %d About visits, %d clicks in menus, Exit avoided %d times, "
                "bank %d\n",
                events, counts.rounds, counts.aboutVisits, counts.menuClicks, counts.exitAvoided,
                static_cast<int>(state().bank));
}
