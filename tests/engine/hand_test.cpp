#include "cards/hand.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace {
struct Scoring {
    std::vector<const char*> cards;
    std::int32_t total;
    std::int32_t softAces;
};

Hand handOf(const std::vector<const char*>& names) {
    Hand hand;
    handInit(hand);
    for (const char* name : names) {
        handAddCard(hand, card(name));
    }
    return hand;
}
} // namespace

TEST(Hand, ScoresByTheRulesOfTwentyOne) {
    const Scoring cases[] = {
        {{}, 0, 0},
        {{"AS"}, 11, 1},
        {{"KH"}, 10, 0},
        {{"AS", "AD"}, 12, 1},
        {{"AS", "6C"}, 17, 1},
        {{"AS", "6C", "10H"}, 17, 0},
        {{"10S", "AH"}, 21, 1},
        {{"KS", "KH", "2C"}, 22, 0},
        {{"5S", "6H"}, 11, 0},
        {{"AS", "5H", "5C"}, 21, 1},
        {{"AS", "5H", "5C", "AD"}, 12, 0},
        {{"JS", "QD"}, 20, 0},
    };
    for (const Scoring& expected : cases) {
        const Hand hand = handOf(expected.cards);
        const std::string name = std::to_string(expected.cards.size()) + " cards, total " +
                                 std::to_string(expected.total);
        EXPECT_EQ(handTotal(hand), expected.total) << name;
        EXPECT_EQ(hand.softAces, expected.softAces) << name;
        EXPECT_EQ(cardsIn(*hand.cards), static_cast<std::int32_t>(expected.cards.size()));
    }
}

TEST(Hand, ElevenAcesThenATwelfth) {
    Hand hand = handOf({});
    for (int i = 0; i < 11; ++i) {
        handAddCard(hand, card("AS"));
    }
    EXPECT_EQ(hand.total, 21);
    EXPECT_EQ(hand.softAces, 1);
    handAddCard(hand, card("AH"));
    EXPECT_EQ(hand.total, 12);
    EXPECT_EQ(hand.softAces, 0);
}

TEST(Hand, RemovingTheSecondCardOfAPair) {
    struct Removal {
        const char* pair;
        std::int32_t total;
        std::int32_t softAces;
    };
    const Removal cases[] = {{"AS", 11, 0}, {"8S", 8, 0}, {"KS", 10, 0}};
    for (const Removal& expected : cases) {
        Hand hand = handOf({expected.pair, expected.pair});
        handRemoveCard(hand, 2);
        EXPECT_EQ(hand.total, expected.total) << expected.pair;
        EXPECT_EQ(hand.softAces, expected.softAces) << expected.pair;
        EXPECT_EQ(cardsIn(*hand.cards), 1);
    }
}

TEST(Hand, CardsReadBackInOrderAndClearStartsAfresh) {
    Hand hand = handOf({"2C", "9D", "QS"});
    EXPECT_EQ(handCardAt(hand, 1), card("2C"));
    EXPECT_EQ(handCardAt(hand, 3), card("QS"));
    handClear(hand);
    EXPECT_EQ(cardsIn(*hand.cards), 0);
    EXPECT_EQ(hand.total, 0);
    EXPECT_EQ(hand.softAces, 0);
    handAddCard(hand, card("7H"));
    EXPECT_EQ(hand.total, 7);
}
