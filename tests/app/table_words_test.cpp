#include "tests/app/window_fixture.h"

#include "app/table_widget.h"
#include "tests/support/table_fixture.h"

#include <QAccessible>

#include <vector>

namespace {
const WordsAfterClicks rounds[] = {
    {"before the first deal, bet raised",
     {},
     {IDC_BETTEN},
     "Dealers Hand: no cards. Players Hand: no cards. Dealers Count 0. Players Count 0. "
     "Current Bet 15. Money 1000."},
    {"deal",
     cards({"10H", "9C", "6D", "8S"}),
     {IDC_DEAL},
     "Dealers Hand: a face-down card, eight of spades. Players Hand: ten of hearts, six of "
     "diamonds. Dealers Count 8. Players Count 16. Current Bet 5. Money 1000."},
    {"hit",
     cards({"4H", "10C", "5D", "8S", "9H"}),
     {IDC_DEAL, IDC_HIT},
     "Dealers Hand: a face-down card, eight of spades. Players Hand: four of hearts, five of "
     "diamonds, nine of hearts. Dealers Count 8. Players Count 18. Current Bet 5. Money 1000."},
    {"stand, the dealer draws to 17",
     cards({"10H", "2C", "9D", "3D", "4H", "5S", "3C"}),
     {IDC_DEAL, IDC_STAND},
     "Dealers Hand: two of clubs, three of diamonds, four of hearts, five of spades, three of "
     "clubs. Players Hand: ten of hearts, nine of diamonds, Win. Dealers Count 17. Players "
     "Count 19. Current Bet 5. Money 1005."},
    {"hit to a bust",
     cards({"10H", "9C", "6D", "8S", "KC"}),
     {IDC_DEAL, IDC_HIT},
     "Dealers Hand: nine of clubs, eight of spades. Players Hand: ten of hearts, six of "
     "diamonds, king of clubs, Bust. Dealers Count 17. Players Count 26. Current Bet 5. Money "
     "995."},
    {"split eights, both hands stand",
     cards({"8H", "10C", "8D", "7S", "10S", "KD"}),
     {IDC_DEAL, IDC_SPLIT, IDC_STAND, IDC_STAND},
     "Dealers Hand: ten of clubs, seven of spades. Players Hand: eight of hearts, ten of spades, "
     "Win. Split Hand: eight of diamonds, king of diamonds, Win. Dealers Count 17. Players Count "
     "18. Split Count 18. Current Bet 5. Money 1010."},
    {"naturals on both sides",
     cards({"AS", "10C", "KH", "AD"}),
     {IDC_DEAL},
     "Dealers Hand: ten of clubs, ace of diamonds, Natural. Players Hand: ace of spades, king of "
     "hearts, Natural. Dealers Count 21. Players Count 21. Current Bet 5. Money 1007."},
    {"the dealer's natural",
     cards({"10S", "AC", "9H", "KD"}),
     {IDC_DEAL},
     "Dealers Hand: ace of clubs, king of diamonds, Natural. Players Hand: ten of spades, nine "
     "of hearts, lose. Dealers Count 21. Players Count 19. Current Bet 5. Money 995."},
};

class TableWordsTest : public WindowTest, public ::testing::WithParamInterface<WordsAfterClicks> {};

QString tableText(MainWindow& window, QAccessible::Text kind) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.table());
    return table ? table->text(kind) : QString();
}
} // namespace

TEST_P(TableWordsTest, TheTableSaysWhatItShows) {
    play(GetParam());
    EXPECT_EQ(tableText(*window, QAccessible::Description).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rounds, TableWordsTest, ::testing::ValuesIn(rounds),
                         [](const ::testing::TestParamInfo<WordsAfterClicks>& info) {
                             return testName(info.param.name);
                         });

TEST_F(WindowTest, TheTableIsACanvasNamedCardTable) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window->table());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Canvas);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Card table"));
}
