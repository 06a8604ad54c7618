#include "tests/app/window_fixture.h"

#include "app/accessible_interfaces.h"
#include "app/announcer.h"
#include "app/table_widget.h"
#include "game/table_state.h"
#include "tests/support/table_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace {
// The window as a screen reader's user has it: assistive technology became active after start.
class KeyboardPlayTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        QAccessible::setActive(true);
    }
    void TearDown() override {
        QAccessible::setActive(false);
        WindowTest::TearDown();
    }
    // Space on the focused button, as the player presses it.
    void press() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }
    QString said() const {
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (auto* announcer = dynamic_cast<Announcer*>(child)) {
                return announcer->words();
            }
        }
        return {};
    }
    QWidget* focused(ControlId id) const { return &window->button(id); }
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
    {"a bet", {}, {IDC_BETTEN}, "Current Bet 15."},
    {"a clear that changes nothing", {}, {IDC_CLEAR}, "Current Bet 5."},
};

class SaidTest : public KeyboardPlayTest, public ::testing::WithParamInterface<WordsAfterClicks> {};
} // namespace

TEST_F(WindowTest, NothingTakesTheFocusWithoutAssistiveTechnology) {
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(window->table().focusPolicy(), Qt::NoFocus);
}

TEST_F(WindowTest, APressActionAndAClickOnDealDealOnce) {
    const std::int32_t shoe = table.shoe.cardCount;
    QAccessibleInterface* deal = QAccessible::queryAccessibleInterface(&window->button(IDC_DEAL));
    deal->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    click(IDC_DEAL);
    EXPECT_EQ(table.shoe.cardCount, shoe - 4);
}

TEST_F(WindowTest, AnAnimatedClickThatEndsOnADisabledButtonSendsNothing) {
    const std::int32_t shoe = table.shoe.cardCount;
    QPushButton& deal = window->button(IDC_DEAL);
    QSignalSpy clicked(&deal, &QAbstractButton::clicked);
    deal.animateClick(); // ends 100 ms later
    click(IDC_DEAL);
    clicked.wait(1000); // the animation's own click
    EXPECT_EQ(table.shoe.cardCount, shoe - 4);
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

TEST_F(KeyboardPlayTest, TheFocusMovesToTheButtonPressedNext) {
    arrangeShoe(cards({"10H", "9C", "6D", "8S", "2C", "KC"}));
    press(); // Deal
    EXPECT_EQ(QApplication::focusWidget(), focused(IDC_HIT));
    press(); // Hit: 18, still in play
    EXPECT_EQ(QApplication::focusWidget(), focused(IDC_HIT));
    press(); // Hit: bust, the round is over
    EXPECT_EQ(QApplication::focusWidget(), focused(IDC_DEAL));
}

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
