#include "render/table_content.h"
#include "render/table_words.h"
#include "table_picture.h"
#include "tests/support/table_fixture.h"

#include <string>

namespace {
// "back" for a face-down card, else the short name: "8C", "10D", "KS".
std::string names(const ShownHand& hand) {
    static const char* const ranks[] = {"",  "A", "2", "3",  "4", "5", "6",
                                        "7", "8", "9", "10", "J", "Q", "K"};
    std::string words;
    for (const ShownCard& shown : hand.cards) {
        words += words.empty() ? "" : " ";
        words += shown.faceDown ? std::string("back")
                                : std::string(ranks[shown.card.rank]) + "CDHS"[shown.card.suit];
    }
    return words;
}
} // namespace

TEST_F(TablePicture, ContentFollowsWhatIsDrawn) {
    play("8C 10D 8H 6S 3C 2D", "TDP");
    TableContent shown = tableContent(canvas);
    EXPECT_EQ(names(shown.dealer), "back 6S");
    EXPECT_EQ(names(shown.player), "8C 3C"); // the moved eight is covered
    EXPECT_EQ(names(shown.split), "8H 2D");
    EXPECT_TRUE(shown.splitLabel);
    ASSERT_TRUE(shown.counts);
    EXPECT_EQ(shown.counts->dealer, 6);
    EXPECT_TRUE(shown.counts->splitRow);
    EXPECT_EQ(shown.bet, 15);

    play("KS 9C 9H", "XHS");
    shown = tableContent(canvas);
    EXPECT_EQ(names(shown.dealer), "10D 6S 9H");
    EXPECT_EQ(shown.dealer.badge, BadgeBust);
    EXPECT_EQ(shown.player.badge, BadgeWin);
    EXPECT_EQ(shown.split.badge, BadgeWin);
    EXPECT_EQ(shown.bank, 1045);

    play("10C 8D 7H QS", "D"); // the next deal clears the rows, the label and the badges
    shown = tableContent(canvas);
    EXPECT_EQ(names(shown.split), "");
    EXPECT_FALSE(shown.splitLabel);
    EXPECT_FALSE(shown.player.badge);
    EXPECT_FALSE(shown.counts->splitRow);
}

TEST_F(TablePicture, BothSplitHandsBustByHitAndSayIt) {
    play("8C 10D 8H 9S 6C 6D KC KD", "DPHH");
    EXPECT_EQ(tableWords(tableContent(canvas)),
              "Dealers Hand: ten of diamonds, nine of spades. Players Hand: eight of clubs, six of "
              "clubs, king of clubs, Bust. Split Hand: eight of hearts, six of diamonds, king of "
              "diamonds, Bust. Dealers Count 19. Players Count 24. Split Count 24. Current Bet 5. "
              "Money 990.");
}
