#include "cards/card_list.h"
#include "cards/random.h"
#include "cards/shoe.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <map>

namespace {
std::unique_ptr<CardList> listOf(std::initializer_list<std::int32_t> ranks) {
    auto list = cardListNew();
    for (std::int32_t rank : ranks) {
        cardListAppend(*list, cardNodeNew(Card{0, rank}));
    }
    return list;
}

void expectRanks(const CardList& list, std::vector<std::int32_t> ranks) {
    ASSERT_EQ(cardsIn(list), static_cast<std::int32_t>(ranks.size()));
    std::int32_t position = 1;
    for (const CardNode* node = list.head.get(); node; node = node->next.get(), ++position) {
        EXPECT_EQ(node->rank, ranks[position - 1]) << "position " << position;
        if (!node->next) {
            EXPECT_EQ(node, list.tail);
        }
    }
    EXPECT_EQ(position - 1, cardsIn(list));
}
} // namespace

TEST(CardList, NewAndClearedListsAreEmpty) {
    auto list = cardListNew();
    EXPECT_EQ(list->head, nullptr);
    EXPECT_EQ(list->tail, nullptr);
    EXPECT_EQ(cardsIn(*list), 0);
    cardListClear(*list);
    EXPECT_EQ(cardsIn(*list), 0);
    auto full = listOf({1, 2, 3});
    cardListClear(*full);
    EXPECT_EQ(full->head, nullptr);
    EXPECT_EQ(full->tail, nullptr);
    EXPECT_EQ(cardsIn(*full), 0);
}

TEST(CardList, AppendAndReadByPosition) {
    auto list = listOf({7});
    EXPECT_EQ(list->head.get(), list->tail);
    cardListAppend(*list, cardNodeNew(Card{2, 9}));
    cardListAppend(*list, cardNodeNew(Card{3, 4}));
    expectRanks(*list, {7, 9, 4});
    EXPECT_EQ(cardListAt(*list, 1), (Card{0, 7}));
    EXPECT_EQ(cardListAt(*list, 3), (Card{3, 4}));
}

TEST(CardList, RemoveKeepsHeadAndTailRight) {
    auto first = listOf({1, 2, 3});
    cardListRemoveAt(*first, 1);
    expectRanks(*first, {2, 3});

    auto last = listOf({1, 2, 3});
    cardListRemoveAt(*last, 3);
    expectRanks(*last, {1, 2});
    cardListAppend(*last, cardNodeNew(Card{0, 9}));
    expectRanks(*last, {1, 2, 9});

    auto middle = listOf({1, 2, 3});
    cardListRemoveAt(*middle, 2);
    expectRanks(*middle, {1, 3});

    auto only = listOf({5});
    cardListRemoveAt(*only, 1);
    EXPECT_EQ(only->head, nullptr);
    EXPECT_EQ(cardsIn(*only), 0);
    cardListAppend(*only, cardNodeNew(Card{0, 6}));
    expectRanks(*only, {6});
}

TEST(Random, FixedRuleFromTheSeed) {
    Random random;
    randomSeed(random, 1);
    EXPECT_EQ(randomNext(random), 41);
    randomSeed(random, 0);
    EXPECT_EQ(randomNext(random), 38);
    randomSeed(random, 0xFFFFFFFFu); // the state wraps modulo 2^32
    const std::int32_t value = randomNext(random);
    EXPECT_GE(value, 0);
    EXPECT_LE(value, 32767);
}

TEST(Shoe, FillsInOrderAndDiscardsWhatWasLeft) {
    Shoe shoe;
    shoeInit(shoe);
    shoeFill(shoe, 6);
    EXPECT_EQ(shoe.cardCount, 312);
    EXPECT_EQ(cardsIn(*shoe.cards), 312);
    const std::pair<std::int32_t, Card> expected[] = {{1, {0, 1}},   {13, {0, 13}}, {14, {1, 1}},
                                                      {52, {3, 13}}, {53, {0, 1}},  {312, {3, 13}}};
    for (const auto& [position, card] : expected) {
        EXPECT_EQ(cardListAt(*shoe.cards, position), card) << "position " << position;
    }
    shoeDraw(shoe);
    shoeFill(shoe, 1);
    EXPECT_EQ(shoe.cardCount, 52);
    EXPECT_EQ(cardsIn(*shoe.cards), 52);
    for (std::int32_t decks : {0, -3}) {
        shoeFill(shoe, decks);
        EXPECT_EQ(shoe.cardCount, 0);
        EXPECT_EQ(shoe.cards->head, nullptr);
    }
}

TEST(Shoe, SeededDrawsTakeKnownPositions) {
    Shoe shoe;
    shoeInit(shoe);
    shoeFill(shoe, 6);
    randomSeed(shoe.random, 1);
    // positions 42, 119, 135 and 236 of the shrinking shoe
    const Card expected[] = {{3, 3}, {1, 3}, {2, 7}, {2, 5}};
    for (const Card& card : expected) {
        EXPECT_EQ(shoeDraw(shoe), card);
    }
    EXPECT_EQ(shoe.cardCount, 308);
    EXPECT_EQ(cardsIn(*shoe.cards), 308);
}

TEST(Shoe, LastCardIsTakenWhateverTheGeneratorSays) {
    Shoe shoe;
    shoeInit(shoe);
    shoeFill(shoe, 1);
    while (shoe.cardCount > 1) {
        shoeDraw(shoe);
    }
    const Card last = cardListAt(*shoe.cards, 1);
    randomSeed(shoe.random, 7);
    EXPECT_EQ(shoeDraw(shoe), last);
    Random oneStep;
    randomSeed(oneStep, 7);
    randomNext(oneStep);
    EXPECT_EQ(shoe.random.state, oneStep.state) << "the draw must take exactly one generator value";
}

TEST(Shoe, EveryCardComesOutExactlyOnce) {
    Shoe shoe;
    shoeInit(shoe);
    shoeFill(shoe, 6);
    std::map<std::pair<std::int32_t, std::int32_t>, int> seen;
    for (int i = 0; i < 312; ++i) {
        const Card card = shoeDraw(shoe);
        ++seen[{card.suit, card.rank}];
    }
    ASSERT_EQ(seen.size(), 52u);
    for (const auto& [card, times] : seen) {
        EXPECT_EQ(times, 6);
    }
    EXPECT_EQ(shoe.cardCount, 0);
}

TEST(Shoe, EmptyShoeRefillsBeforeDrawing) {
    Shoe shoe;
    shoeInit(shoe);
    shoeFill(shoe, 0);
    randomSeed(shoe.random, 1);
    const Card card = shoeDraw(shoe);
    EXPECT_EQ(card, (Card{3, 3})); // the same draw as from a fresh six-deck shoe
    EXPECT_EQ(shoe.cardCount, 311);
    EXPECT_EQ(cardsIn(*shoe.cards), 311);
}

// Each shoe draws from its own generator: two shoes with one seed, drawn from in turn, give the
// same cards.
TEST(Shoe, SameSeedSameCardsWhateverAnotherShoeDraws) {
    Shoe first;
    Shoe second;
    shoeInit(first);
    shoeInit(second);
    shoeFill(first, 6);
    shoeFill(second, 6);
    randomSeed(first.random, 1234);
    randomSeed(second.random, 1234);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(shoeDraw(first), shoeDraw(second)) << "draw " << i;
    }
}
