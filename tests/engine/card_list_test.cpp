#include "cards/card_list.h"

#include <gtest/gtest.h>

TEST(CardList, Smoke) {
    auto list = cardListNew();
    cardListAppend(*list, cardNodeNew(Card{1, 2}));
    EXPECT_EQ(cardListAt(*list, 1), (Card{1, 2}));
}
