#include "tests/app/window_fixture.h"

#include "app/accessible_interfaces.h"
#include "app/announcer.h"
#include "app/table_widget.h"
#include "game/table_state.h"
#include "headless/headless_view.h"
#include "tests/support/table_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace {
// A key as the window system delivers it, to whatever has the focus or an open menu.
void key(MainWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

std::string focusedWord(MainWindow& window) {
    for (std::int32_t id = 0; id < buttonCount; ++id) {
        if (QApplication::focusWidget() == &window.button(ControlId(id))) {
            return std::string(buttonWord(ControlId(id)));
        }
    }
    return QApplication::focusWidget() ? "another" : "none";
}

// A deal without a natural leaves Deal disabled, so a second deal would be a fault, never chance.
void arrangeDealWithoutNatural(TableState& table) {
    arrangeShoe(table, cards({"10H", "9C", "7D", "8S"}));
}

// The window as a screen reader's user has it: assistive technology became active after start.
class KeyboardPlayTest : public WindowTest {
  protected:
    explicit KeyboardPlayTest(bool screenReader = true) : screenReader_(screenReader) {}
    void SetUp() override {
        WindowTest::SetUp();
        QAccessible::setActive(screenReader_);
    }
    void TearDown() override {
        QAccessible::setActive(false);
        WindowTest::TearDown();
    }
    QString said() const {
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (auto* announcer = dynamic_cast<Announcer*>(child)) {
                return announcer->words();
            }
        }
        return {};
    }
    QWidget* focused(ControlId id) const { return &window->button(id); }

  private:
    bool screenReader_;
};

// The words after the last click.
const WordsAfterClicks said[] = {
    {"deal",
     cards({"10H", "9C", "6D", "8S"}),
     {IDC_DEAL},
     "Players Hand: ten of hearts, six of diamonds. Dealers Hand: a face-down card, eight of "
     "spades. Players Count 16. Dealers Count 8."},
    {"hit to a bust",
     cards({"10H", "9C", "6D", "8S", "KC"}),
     {IDC_DEAL, IDC_HIT},
     "Players Hand gets king of clubs. Dealers Hand: nine of clubs, eight of spades. Players "
     "Count 26. Dealers Count 17. Players Hand: Bust. Money 995."},
    {"stand to a push says the money",
     cards({"10H", "10C", "8D", "8S"}),
     {IDC_DEAL, IDC_STAND},
     "Dealers Hand: ten of clubs, eight of spades. Dealers Count 18. Players Hand: Push. Money "
     "1000."},
    {"split",
     cards({"8H", "10C", "8D", "7S", "3S", "4D"}),
     {IDC_DEAL, IDC_SPLIT},
     "Players Hand: eight of hearts, three of spades. Split Hand: eight of diamonds, four of "
     "diamonds. Players Count 11. Split Count 12."},
    {"a deal says a count that equals the last round's",
     cards({"10H", "9C", "6D", "8S", "10D", "5C", "6C", "8H"}),
     {IDC_DEAL, IDC_STAND, IDC_DEAL},
     "Players Hand: ten of diamonds, six of clubs. Dealers Hand: a face-down card, eight of "
     "hearts. Players Count 16. Dealers Count 8."},
    {"a bet", {}, {IDC_BETTEN}, "Current Bet 15."},
    {"a clear that changes nothing", {}, {IDC_CLEAR}, "Current Bet 5."},
};

class SaidTest : public KeyboardPlayTest, public ::testing::WithParamInterface<WordsAfterClicks> {};
} // namespace

// A player who only clicks: no click gives a button the focus, so no focus frame is drawn; once
// the player has used Tab, a click leaves the focus where it was. The table takes no tab stop.
TEST_F(WindowTest, AClickGivesNoFocus) {
    click(IDC_BETFIVE);
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    key(*window, Qt::Key_Tab);
    click(IDC_BETFIVE);
    EXPECT_EQ(focusedWord(*window), "deal");
    EXPECT_EQ(window->table().focusPolicy(), Qt::NoFocus);
}

// Without a screen reader: the first Tab or Shift+Tab focuses the first or last button that can
// be pressed, and Tab goes on through the enabled buttons in screen order, round to the first.
struct TabWalk {
    const char* name;
    std::vector<ControlId> clicks; // before the keys, on the cards of a pair
    Qt::Key key;
    int presses;
    const char* focused; // after each press
};

const TabWalk walks[] = {
    {"tab between rounds", {}, Qt::Key_Tab, 6, "deal betone betfive betten clear deal"},
    {"shift tab between rounds", {}, Qt::Key_Backtab, 2, "clear betten"},
    {"tab in play with a pair", {IDC_DEAL}, Qt::Key_Tab, 5, "hit stand double split hit"},
};

class TabWalkTest : public WindowTest, public ::testing::WithParamInterface<TabWalk> {};

TEST_P(TabWalkTest, TabFocusesTheEnabledButtonsInScreenOrder) {
    arrangeShoe(state(), cards({"8H", "10C", "8D", "7S"}));
    for (const ControlId id : GetParam().clicks) {
        click(id);
    }
    std::string focused;
    for (int press = 0; press < GetParam().presses; ++press) {
        key(*window, GetParam().key,
            GetParam().key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        focused += (focused.empty() ? "" : " ") + focusedWord(*window);
    }
    EXPECT_EQ(focused, GetParam().focused);
}

INSTANTIATE_TEST_SUITE_P(Keys, TabWalkTest, ::testing::ValuesIn(walks),
                         [](const ::testing::TestParamInfo<TabWalk>& info) {
                             return testName(info.param.name);
                         });

TEST_F(WindowTest, F10OpensFileAtExitAndEscapeClosesIt) {
    QMenu* file = window->menuBar()->actions().value(0)->menu();
    key(*window, Qt::Key_F10);
    ASSERT_TRUE(file->isVisible());
    EXPECT_EQ(file->activeAction()->text(), "Exit");
    key(*window, Qt::Key_Escape);
    EXPECT_FALSE(file->isVisible());
}

// A key and a click on Deal deal once: a Space held over the click finds Deal up again when it is
// released, and a click after Return finds Deal disabled.
class KeyAndClickTest : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(KeyAndClickTest, DealOnce) {
    arrangeDealWithoutNatural(state());
    const std::int32_t shoe = state().shoe.cardCount;
    key(*window, Qt::Key_Tab);
    if (GetParam()) {
        QTest::keyPress(window->windowHandle(), Qt::Key_Space);
        click(IDC_DEAL);
        QTest::keyRelease(window->windowHandle(), Qt::Key_Space);
    } else {
        key(*window, Qt::Key_Return);
        click(IDC_DEAL);
    }
    EXPECT_EQ(state().shoe.cardCount, shoe - 4);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyAndClickTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "SpaceHeldOverAClick" : "ReturnThenAClick";
                         });

// Return held down: the window system repeats the key press, and the button is pressed once.
TEST_F(WindowTest, AHeldReturnPressesOnce) {
    key(*window, Qt::Key_Tab);
    key(*window, Qt::Key_Tab);
    ASSERT_EQ(focusedWord(*window), "betone");
    QTest::keyPress(window->windowHandle(), Qt::Key_Return);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                       true);
        QApplication::sendEvent(QApplication::focusWidget(), &held);
    }
    QTest::keyRelease(window->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(state().bet, 6);
}

// A Double on the first hand of a split leaves Double up for the second hand, but the focus
// moves on to Hit: doubling twice at one stroke is never meant.
TEST_F(WindowTest, ADoubleOnTheFirstHandOfASplitHandsTheFocusToHit) {
    arrangeShoe(state(), cards({"8H", "10C", "8D", "7S", "3S", "4D", "2C"}));
    key(*window, Qt::Key_Tab);
    key(*window, Qt::Key_Space); // Deal; Hit has the focus
    click(IDC_SPLIT);
    key(*window, Qt::Key_Tab);
    key(*window, Qt::Key_Tab);
    ASSERT_EQ(focusedWord(*window), "double");
    key(*window, Qt::Key_Space); // the first hand: 8, 3 and 2
    ASSERT_EQ(state().activeHand, SplitHandId);
    ASSERT_TRUE(window->button(IDC_DOUBLE).isEnabled());
    EXPECT_EQ(focusedWord(*window), "hit");
}

TEST_F(WindowTest, APressActionAndAClickOnDealDealOnce) {
    arrangeDealWithoutNatural(state());
    const std::int32_t shoe = state().shoe.cardCount;
    QAccessibleInterface* deal = QAccessible::queryAccessibleInterface(&window->button(IDC_DEAL));
    deal->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    click(IDC_DEAL);
    EXPECT_EQ(state().shoe.cardCount, shoe - 4);
}

TEST_F(WindowTest, AnAnimatedClickThatEndsOnADisabledButtonSendsNothing) {
    arrangeDealWithoutNatural(state());
    const std::int32_t shoe = state().shoe.cardCount;
    QPushButton& deal = window->button(IDC_DEAL);
    QSignalSpy clicked(&deal, &QAbstractButton::clicked);
    deal.animateClick(); // ends 100 ms later
    click(IDC_DEAL);
    clicked.wait(1000); // the animation's own click
    EXPECT_EQ(state().shoe.cardCount, shoe - 4);
}

TEST_F(KeyboardPlayTest, TabGoesThroughTheButtonsInScreenOrderThenTheTable) {
    EXPECT_EQ(QApplication::focusWidget(), focused(IDC_DEAL));
    std::vector<QWidget*> chain;
    for (QWidget* next = focused(IDC_DEAL); chain.size() < 10; next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus) {
            chain.push_back(next);
        }
    }
    const std::vector<QWidget*> expected{
        focused(IDC_DEAL),  focused(IDC_HIT),    focused(IDC_STAND),   focused(IDC_DOUBLE),
        focused(IDC_SPLIT), focused(IDC_BETONE), focused(IDC_BETFIVE), focused(IDC_BETTEN),
        focused(IDC_CLEAR), &window->table()};
    EXPECT_EQ(chain, expected);
}

// With and without a screen reader, Space, Return and Enter press the focused button; a press
// that disables it hands the focus to the button pressed next.
class PressTest : public KeyboardPlayTest, public ::testing::WithParamInterface<bool> {
  protected:
    PressTest() : KeyboardPlayTest(GetParam()) {}
};

TEST_P(PressTest, TheFocusMovesToTheButtonPressedNext) {
    arrangeShoe(state(), cards({"10H", "9C", "6D", "8S", "2C", "KC"}));
    if (!GetParam()) {
        key(*window, Qt::Key_Tab);
    }
    EXPECT_EQ(focusedWord(*window), "deal");
    key(*window, Qt::Key_Space); // Deal
    EXPECT_EQ(focusedWord(*window), "hit");
    key(*window, Qt::Key_Return); // Hit: 18, still in play
    EXPECT_EQ(focusedWord(*window), "hit");
    key(*window, Qt::Key_Enter, Qt::KeypadModifier); // Hit: bust, the round is over
    EXPECT_EQ(focusedWord(*window), "deal");
    EXPECT_TRUE(state().bettingMode);
}

INSTANTIATE_TEST_SUITE_P(Keys, PressTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "WithAScreenReader" : "WithoutAScreenReader";
                         });

TEST_F(KeyboardPlayTest, AfterAnAssistiveTechnologyLeavesNothingHasTheFocus) {
    QAccessible::setActive(false);
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(window->button(IDC_DEAL).focusPolicy(), Qt::NoFocus);
}

TEST_P(SaidTest, EachPressSaysWhatItChanged) {
    play(GetParam());
    EXPECT_EQ(said().toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rounds, SaidTest, ::testing::ValuesIn(said),
                         [](const ::testing::TestParamInfo<WordsAfterClicks>& info) {
                             return testName(info.param.name);
                         });

TEST(DeviceRect, ScalesAwayFromTheScreensTopLeft) {
    // a button at (110, 80) logical on a screen whose top-left is (1024, 0)
    EXPECT_EQ(scaledFromScreenOrigin(QRect(1134, 80, 95, 25), QPoint(1024, 0), 2.0),
              QRect(1244, 160, 190, 50));
    EXPECT_EQ(scaledFromScreenOrigin(QRect(1, 1, 3, 3), QPoint(0, 0), 1.5), QRect(2, 2, 4, 4));
}
