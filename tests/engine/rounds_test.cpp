#include "cards/random.h"
#include "game/bets.h"
#include "game/deal.h"
#include "game/table_state.h"
#include "tests/engine/round_driver.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
const char* const betting = "deal betone betfive betten clear";

struct Transition {
    const char* name;
    std::vector<const char*> draws; // player, dealer (hole), player, dealer, then in order
    std::vector<std::string> presses;
    const char* enabled;
    std::int32_t bank;
    std::int32_t dealerCards;
    HandId activeHand;
};

// Every move of a round, from each state, with the buttons it leaves and the money it moves.
const Transition transitions[] = {
    {"player natural", {"AS", "9C", "KH", "7D"}, {"deal"}, betting, 1007, 2, PlayerHandId},
    {"dealer natural", {"10S", "AC", "9H", "KD"}, {"deal"}, betting, 995, 2, PlayerHandId},
    {"both natural", {"AS", "AC", "KH", "QD"}, {"deal"}, betting, 1007, 2, PlayerHandId},
    {"dealer natural over a pair",
     {"8S", "AC", "8H", "KD"},
     {"deal"},
     betting,
     995,
     2,
     PlayerHandId},
    {"deal", {"10S", "9C", "6H", "7D"}, {"deal"}, "hit stand double", 1000, 2, PlayerHandId},
    {"deal a pair",
     {"8S", "9C", "8H", "7D"},
     {"deal"},
     "hit stand double split",
     1000,
     2,
     PlayerHandId},
    {"hit", {"10S", "10C", "2H", "7D", "5S"}, {"deal", "hit"}, "hit stand", 1000, 2, PlayerHandId},
    {"hit a pair",
     {"8S", "10C", "8H", "7D", "2S"},
     {"deal", "hit"},
     "hit stand",
     1000,
     2,
     PlayerHandId},
    {"hit to a bust",
     {"10S", "10C", "6H", "7D", "KS"},
     {"deal", "hit"},
     betting,
     995,
     2,
     PlayerHandId},
    {"stand, dealer stands",
     {"10S", "10C", "9H", "7D"},
     {"deal", "stand"},
     betting,
     1005,
     2,
     PlayerHandId},
    {"stand, dealer draws",
     {"10S", "10C", "9H", "6D", "5S"},
     {"deal", "stand"},
     betting,
     995,
     3,
     PlayerHandId},
    {"stand on soft 17 against soft 17",
     {"10S", "AC", "7H", "6D"},
     {"deal", "stand"},
     betting,
     1000,
     2,
     PlayerHandId},
    {"dealer ace five draws on",
     {"10S", "AC", "8H", "5D", "KS", "3C"},
     {"deal", "stand"},
     betting,
     995,
     4,
     PlayerHandId},
    {"double",
     {"5S", "10C", "6H", "6D", "9S", "10H"},
     {"deal", "double"},
     betting,
     1010,
     3,
     PlayerHandId},
    {"double to a bust",
     {"10S", "10C", "2H", "7D", "KS"},
     {"deal", "double"},
     betting,
     990,
     2,
     PlayerHandId},
    {"double lands 19 against 20",
     {"5S", "10C", "4H", "QD", "KS"},
     {"deal", "double"},
     betting,
     990,
     2,
     PlayerHandId},
    {"split",
     {"8S", "10C", "8H", "7D", "3S", "2H"},
     {"deal", "split"},
     "hit stand double",
     1000,
     2,
     PlayerHandId},
    {"first hand hit",
     {"8S", "10C", "8H", "7D", "3S", "2H", "5D"},
     {"deal", "split", "hit"},
     "hit stand",
     1000,
     2,
     PlayerHandId},
    {"first hand busts",
     {"8S", "10C", "8H", "7D", "10S", "2H", "KS"},
     {"deal", "split", "hit"},
     "hit stand double",
     1000,
     2,
     SplitHandId},
    {"first hand stands",
     {"8S", "10C", "8H", "7D", "3S", "2H"},
     {"deal", "split", "stand"},
     "hit stand double",
     1000,
     2,
     SplitHandId},
    {"first hand doubles",
     {"8S", "10C", "8H", "7D", "3S", "2H", "10S"},
     {"deal", "split", "double"},
     "hit stand double",
     1000,
     2,
     SplitHandId},
    {"first hand doubles to a bust",
     {"8S", "10C", "8H", "7D", "10S", "2H", "5S"},
     {"deal", "split", "double"},
     "hit stand double",
     1000,
     2,
     SplitHandId},
    {"split hand hit",
     {"8S", "10C", "8H", "7D", "3S", "2H", "5D"},
     {"deal", "split", "stand", "hit"},
     "hit stand",
     1000,
     2,
     SplitHandId},
    {"split hand busts, first stood",
     {"8S", "10C", "8H", "6D", "10S", "4H", "KS", "2C"},
     {"deal", "split", "stand", "hit"},
     betting,
     995,
     3,
     SplitHandId},
    {"both hands bust",
     {"8S", "10C", "8H", "7D", "10S", "4H", "KS", "QS"},
     {"deal", "split", "hit", "hit"},
     betting,
     990,
     2,
     SplitHandId},
    {"split hand stands",
     {"8S", "10C", "8H", "7D", "10S", "9H"},
     {"deal", "split", "stand", "stand"},
     betting,
     1005,
     2,
     SplitHandId},
    {"split hand doubles",
     {"8S", "10C", "8H", "6D", "10S", "3H", "9S", "10H"},
     {"deal", "split", "stand", "double"},
     betting,
     1015,
     3,
     SplitHandId},
    {"split hand doubles to a bust, first stood",
     {"8S", "10C", "8H", "6D", "10S", "4H", "KS", "2C"},
     {"deal", "split", "stand", "double"},
     betting,
     990,
     3,
     SplitHandId},
    {"split hand doubles to a bust, first busted",
     {"8S", "10C", "8H", "7D", "10S", "4H", "KS", "QS"},
     {"deal", "split", "hit", "double"},
     betting,
     985,
     2,
     SplitHandId},
    {"both hands doubled, dealer plays",
     {"8S", "10C", "8H", "6D", "3S", "2H", "9S", "9C", "KC"},
     {"deal", "split", "double", "double"},
     betting,
     1020,
     3,
     SplitHandId},
};

class RoundTest : public ::testing::Test {
  protected:
    void SetUp() override { resetTable(table); }
    TableState table;
    RecordingView view;
};
} // namespace

TEST_F(RoundTest, EveryTransitionLeavesTheRightButtonsAndBank) {
    for (const Transition& row : transitions) {
        SCOPED_TRACE(row.name);
        resetTable(table);
        view = RecordingView{};
        std::vector<Card> draws;
        for (const char* name : row.draws) {
            draws.push_back(card(name));
        }
        arrangeShoe(table, draws);
        pressAll(table, view, row.presses);
        EXPECT_EQ(view.enabledWords(), row.enabled);
        EXPECT_EQ(table.bettingMode, std::string(row.enabled) == betting);
        EXPECT_EQ(table.bank, row.bank);
        EXPECT_EQ(cardsIn(*handState(table, DealerHandId).hand.cards), row.dealerCards);
        EXPECT_EQ(table.activeHand, row.activeHand);
        EXPECT_EQ(table.shoe.cardCount, 312 - static_cast<std::int32_t>(row.draws.size()));
        if (table.bettingMode) {
            EXPECT_TRUE(table.dealerRevealed) << "the hole card is turned at every end";
        }
    }
}

TEST_F(RoundTest, SplitAcesStaySoftAndAreNeverANatural) {
    arrangeShoe(table, cards({"AS", "9C", "AH", "9D", "KS", "5H", "10C"}));
    pressAll(table, view, {"deal", "split"});
    EXPECT_EQ(handState(table, PlayerHandId).hand.total, 21);
    EXPECT_EQ(handState(table, PlayerHandId).hand.softAces, 1);
    EXPECT_EQ(handState(table, SplitHandId).hand.total, 16);
    EXPECT_EQ(handState(table, SplitHandId).hand.softAces, 1);
    press(table, view, "hit"); // a ten on the soft 21 makes a hard 21, not a bust
    EXPECT_EQ(handState(table, PlayerHandId).hand.total, 21);
    EXPECT_EQ(handState(table, PlayerHandId).hand.softAces, 0);
    EXPECT_EQ(table.activeHand, PlayerHandId);
    pressAll(table, view, {"stand", "stand"});
    // dealer 18: the 21 wins one stake, the 16 loses one
    EXPECT_EQ(table.bank, 1000);
}

TEST_F(RoundTest, SplitAcesDealtAnotherAceCountTwelveSoft) {
    arrangeShoe(table, cards({"AS", "9C", "AH", "9D", "AD", "5H"}));
    pressAll(table, view, {"deal", "split"});
    EXPECT_EQ(handState(table, PlayerHandId).hand.total, 12);
    EXPECT_EQ(handState(table, PlayerHandId).hand.softAces, 1);
}

TEST_F(RoundTest, NaturalsPayThreeToTwoInWholeUnits) {
    const std::pair<std::int32_t, std::int32_t> payouts[] = {
        {5, 7}, {7, 10}, {1, 1}, {2, 3}, {10, 15}};
    for (const auto& [bet, won] : payouts) {
        resetTable(table);
        table.bet = bet;
        arrangeShoe(table, cards({"AS", "AC", "KH", "QD"})); // paid even against the dealer's 21
        press(table, view, "deal");
        EXPECT_EQ(table.bank, 1000 + won) << "bet " << bet;
    }
}

TEST_F(RoundTest, BankMayGoBelowZeroAndPlayGoesOn) {
    table.bank = 4;
    table.bet = 15;
    arrangeShoe(table, cards({"10S", "10C", "7H", "QD", "10H", "9C", "9S", "8D"}));
    pressAll(table, view, {"deal", "stand"});
    EXPECT_EQ(table.bank, -11);
    pressAll(table, view, {"deal", "stand"});
    EXPECT_EQ(table.bank, -11 + 15);
}

TEST(Settlement, WorkedExamples) {
    TableState table;
    struct Example {
        const char* name;
        std::vector<const char*> player;
        std::vector<const char*> split; // empty: not a split round
        std::vector<const char*> dealer;
        bool playerDoubled;
        bool splitDoubled;
        std::int32_t bank;
        std::int32_t bet;
        std::int32_t bankAfter;
    };
    const Example examples[] = {
        {"19 against 17", {"10S", "9H"}, {}, {"10C", "7D"}, false, false, 1000, 5, 1005},
        {"18 against 18", {"10S", "8H"}, {}, {"10C", "8D"}, false, false, 1000, 5, 1000},
        {"16 against 20", {"10S", "6H"}, {}, {"10C", "QD"}, false, false, 1000, 5, 995},
        {"bust against a bust",
         {"10S", "9H", "4C"},
         {},
         {"10C", "6D", "6S"},
         false,
         false,
         1000,
         5,
         995},
        {"20 against 24", {"10S", "QH"}, {}, {"10C", "4D", "KS"}, false, false, 1000, 5, 1005},
        {"doubled 20 against 19", {"10S", "QH"}, {}, {"10C", "9D"}, true, false, 1000, 5, 1010},
        {"doubled 25", {"10S", "5H", "KC"}, {}, {"10C", "7D"}, true, false, 1000, 5, 990},
        {"three-card 21s push",
         {"5S", "6H", "10C"},
         {},
         {"7C", "4D", "KS"},
         false,
         false,
         1000,
         5,
         1000},
        {"split, first doubled",
         {"10S", "QH"},
         {"10D", "7H"},
         {"10C", "8D"},
         true,
         false,
         1000,
         5,
         1005},
        {"split 24 and 19 against 22",
         {"10S", "4H", "QC"},
         {"10D", "9H"},
         {"10C", "2D", "KS"},
         false,
         false,
         1000,
         5,
         1000},
        {"split, both doubled and bust",
         {"10S", "3H", "QC"},
         {"10D", "6H", "KH"},
         {"10C", "7D"},
         true,
         true,
         1000,
         5,
         980},
        {"bank 4, bet 15", {"10S", "7H"}, {}, {"10C", "QD"}, false, false, 4, 15, -11},
    };
    for (const Example& example : examples) {
        resetTable(table);
        for (const char* name : example.player) {
            handAddCard(handState(table, PlayerHandId).hand, card(name));
        }
        for (const char* name : example.split) {
            handAddCard(handState(table, SplitHandId).hand, card(name));
        }
        for (const char* name : example.dealer) {
            handAddCard(handState(table, DealerHandId).hand, card(name));
        }
        table.splitActive = !example.split.empty();
        handState(table, PlayerHandId).doubled = example.playerDoubled;
        handState(table, SplitHandId).doubled = example.splitDoubled;
        table.bank = example.bank;
        table.bet = example.bet;
        settleBets(table);
        EXPECT_EQ(table.bank, example.bankAfter) << example.name;
    }
}

TEST_F(RoundTest, BetButtons) {
    const std::pair<const char*, std::int32_t> steps[] = {
        {"betone", 6},  {"betone", 7}, {"betone", 8}, {"betfive", 13},
        {"betten", 23}, {"clear", 5},  {"clear", 5}};
    EXPECT_EQ(table.bet, 5);
    for (const auto& [word, bet] : steps) {
        press(table, view, word);
        EXPECT_EQ(table.bet, bet) << word;
        EXPECT_EQ(view.calls(), (std::vector<std::string>{"paintBet", "invalidate:bet", "update"}));
    }
    EXPECT_EQ(table.bank, 1000);
}

TEST_F(RoundTest, ReshuffleCountdown) {
    EXPECT_EQ(table.cardsUntilReshuffle, 280);
    table.cardsUntilReshuffle = 1;
    arrangeShoe(table, cards({"10S", "10C", "9H", "4D", "2C", "5C"}));
    pressAll(table, view, {"deal", "stand"});
    EXPECT_EQ(cardsIn(*handState(table, DealerHandId).hand.cards), 4);
    EXPECT_EQ(table.cardsUntilReshuffle, -5);
    press(table, view, "deal");
    EXPECT_EQ(table.shoe.cardCount, 308) << "the shoe is rebuilt at the deal";
    EXPECT_EQ(table.cardsUntilReshuffle, 270) << "274 less the four cards just dealt";
}

// What the window prepares in idle time: the next Deal's cards, from the shoe as it is and from
// the shoe rebuilt at a spent countdown, foreseen without changing the draws.
TEST_F(RoundTest, TheNextDealsCardsAreForeseenWithoutChangingTheDraws) {
    randomSeed(table.shoe.random, 4242);
    for (const std::int32_t countdown : {280, 0}) {
        if (!table.bettingMode) {
            press(table, view, "stand");
        }
        table.cardsUntilReshuffle = countdown;
        const std::array<Card, 4> foreseen = nextDealCards(table);
        press(table, view, "deal");
        const std::array<Card, 4> dealt{handCardAt(handState(table, PlayerHandId).hand, 1),
                                        handCardAt(handState(table, DealerHandId).hand, 1),
                                        handCardAt(handState(table, PlayerHandId).hand, 2),
                                        handCardAt(handState(table, DealerHandId).hand, 2)};
        EXPECT_EQ(foreseen, dealt) << "countdown " << countdown;
    }
}

TEST_F(RoundTest, CountdownOfExactlyZeroRebuildsAtTheNextDeal) {
    arrangeShoe(table, cards({"10S", "10C", "9H", "7D"}));
    pressAll(table, view, {"deal", "stand"});
    table.cardsUntilReshuffle = 0;
    press(table, view, "deal");
    EXPECT_EQ(table.shoe.cardCount, 308) << "312 less the four cards just dealt";
    EXPECT_EQ(table.cardsUntilReshuffle, 270);
}

TEST_F(RoundTest, FirstShoeDealsAtLeast280CardsThenRebuilds) {
    randomSeed(table.shoe.random, 99);
    std::int32_t dealt = 0;
    for (int round = 0; round < 200; ++round) {
        const bool rebuild = table.cardsUntilReshuffle <= 0;
        pressAll(table, view, {"deal"});
        if (!table.bettingMode) {
            press(table, view, "stand");
        }
        const std::int32_t cards = cardsIn(*handState(table, PlayerHandId).hand.cards) +
                                   cardsIn(*handState(table, DealerHandId).hand.cards);
        if (rebuild) {
            EXPECT_GE(dealt, 280);
            EXPECT_LT(dealt, 280 + 12);
            EXPECT_EQ(table.shoe.cardCount + cards, 312);
            EXPECT_EQ(table.cardsUntilReshuffle, 274 - cards);
            return;
        }
        dealt += cards;
        EXPECT_EQ(table.shoe.cardCount + dealt, 312);
    }
    FAIL() << "the shoe was never rebuilt";
}

TEST_F(RoundTest, EmptyShoeMidRoundIsRefilled) {
    arrangeShoe(table, cards({"10S", "10C", "2H", "7D"}));
    press(table, view, "deal");
    const std::int32_t countdown = table.cardsUntilReshuffle;
    shoeFill(table.shoe, 0);
    press(table, view, "hit");
    EXPECT_EQ(cardsIn(*handState(table, PlayerHandId).hand.cards), 3);
    EXPECT_EQ(table.shoe.cardCount, 311);
    EXPECT_EQ(table.cardsUntilReshuffle, countdown - 1) << "the countdown is left to the next deal";
}

TEST_F(RoundTest, MoneyStaysWithin32Bits) {
    constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t least = std::numeric_limits<std::int32_t>::min();

    table.bet = most - 3;
    press(table, view, "betten");
    EXPECT_EQ(table.bet, most);
    press(table, view, "betone");
    EXPECT_EQ(table.bet, most);

    table.bank = most - 3;
    arrangeShoe(table, cards({"AS", "9C", "KH", "7D"}));
    press(table, view, "deal");
    EXPECT_EQ(table.bank, most) << "a natural at the largest stake";

    resetTable(table);
    table.bank = least + 5;
    table.bet = most;
    arrangeShoe(table, cards({"8S", "10C", "8H", "7D", "10S", "4H", "5S", "KS"}));
    pressAll(table, view, {"deal", "split", "double", "double"});
    EXPECT_EQ(table.bank, least) << "two doubled busts at the largest stake";

    resetTable(table);
    table.bank = most;
    table.bet = 10;
    arrangeShoe(table, cards({"8S", "10C", "8H", "7D", "10S", "6H"}));
    pressAll(table, view, {"deal", "split", "stand", "stand"});
    // 18 wins and 14 loses against 17: the two hands cancel out before the bank is clamped
    EXPECT_EQ(table.bank, most);
}
