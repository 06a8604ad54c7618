#include "cards/random.h"
#include "game/actions.h"
#include "game/deal.h"
#include "game/table_state.h"
#include "tests/engine/round_driver.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
using Calls = std::vector<std::string>;

Calls concat(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const Calls toPlay = {"enable:hit:1",     "enable:stand:1",  "enable:deal:0", "enable:betone:0",
                      "enable:betfive:0", "enable:betten:0", "enable:clear:0"};
const Calls toBetting = {"enable:hit:0",     "enable:stand:0",  "enable:deal:1", "enable:betone:1",
                         "enable:betfive:1", "enable:betten:1", "enable:clear:1"};
const Calls fourCards = {"clearTable", "paintNextCard:0", "paintNextCard:1", "paintNextCard:0",
                         "paintNextCard:1"};
const Calls reveal = {"paintNextCard:1", "paintNextCard:1"};
const Calls firstActionsOff = {"enable:double:0", "enable:split:0"};
const Calls refresh = {"invalidate:table", "invalidate:money", "update"};

class ViewCalls : public ::testing::Test {
  protected:
    void SetUp() override { resetTable(table); }
    void deal(std::initializer_list<const char*> draws) {
        arrangeShoe(table, cards(draws));
        press(table, view, "deal");
    }
    TableState table;
    RecordingView view;
};
} // namespace

TEST_F(ViewCalls, Deal) {
    deal({"10S", "9C", "6H", "7D"});
    EXPECT_EQ(
        view.calls(),
        concat({fourCards, toPlay, {"enable:double:1", "paintCounts", "paintMoney"}, refresh}));
    EXPECT_EQ(handState(table, PlayerHandId).slot, 3);
    EXPECT_EQ(handState(table, DealerHandId).slot, 3);
    EXPECT_EQ(handState(table, SplitHandId).slot, 1);
    EXPECT_FALSE(table.holeCardPending);
    EXPECT_FALSE(table.dealerRevealed);
}

TEST_F(ViewCalls, DealAPairOffersTheSplitBeforeClearing) {
    deal({"KS", "9C", "KH", "7D"});
    EXPECT_EQ(view.calls().front(), "enable:split:1");
    EXPECT_EQ(view.calls()[1], "clearTable");
}

TEST_F(ViewCalls, Natural) {
    deal({"AS", "9C", "KH", "7D"});
    EXPECT_EQ(view.calls(), concat({fourCards,
                                    toPlay,
                                    {"enable:double:1"},
                                    reveal,
                                    {"paintResults:0:1"},
                                    toBetting,
                                    firstActionsOff,
                                    {"paintCounts", "paintMoney"},
                                    refresh}));
    EXPECT_TRUE(table.dealerRevealed);
}

TEST_F(ViewCalls, HitToABust) {
    deal({"10S", "10C", "6H", "7D", "KS"});
    press(table, view, "hit");
    EXPECT_EQ(view.calls(), concat({firstActionsOff,
                                    {"paintNextCard:0"},
                                    toBetting,
                                    reveal,
                                    {"paintResults:0:0", "paintMoney", "paintCounts"},
                                    refresh}));
}

TEST_F(ViewCalls, StandWithDealerDraws) {
    deal({"10S", "10C", "9H", "3D", "2S", "3C"});
    press(table, view, "stand");
    const Calls draw = {"paintNextCard:1", "paintCounts", "invalidate:table", "update"};
    EXPECT_EQ(view.calls(), concat({firstActionsOff,
                                    reveal,
                                    draw,
                                    draw,
                                    toBetting,
                                    {"paintMoney", "paintCounts", "paintResults:0:0"},
                                    refresh}));
    EXPECT_EQ(handState(table, DealerHandId).hand.total, 18);
    EXPECT_EQ(table.bank, 1005);
}

TEST_F(ViewCalls, DoubleRunsTheDealersTurnInside) {
    deal({"5S", "10C", "6H", "7D", "9S"});
    press(table, view, "double");
    const Calls stand = concat({firstActionsOff,
                                reveal,
                                toBetting,
                                {"paintMoney", "paintCounts", "paintResults:0:0"},
                                refresh});
    EXPECT_EQ(view.calls(), concat({firstActionsOff, {"paintNextCard:0"}, stand, refresh}));
}

TEST_F(ViewCalls, Split) {
    deal({"8S", "10C", "8H", "7D", "3S", "2H"});
    press(table, view, "split");
    EXPECT_EQ(view.calls(),
              (Calls{"splitLabel", "paintNextCard:0", "paintNextCard:2", "paintNextCard:2",
                     "paintCounts", "enable:split:0", "invalidate:table", "update"}));
    EXPECT_EQ(handState(table, PlayerHandId).slot, 3);
    EXPECT_EQ(handState(table, SplitHandId).slot, 3);
}

TEST_F(ViewCalls, FirstHandBustShowsItsBadgeAtOnce) {
    deal({"8S", "10C", "8H", "7D", "10S", "2H", "KS"});
    pressAll(table, view, {"split", "hit"});
    EXPECT_EQ(view.calls(),
              concat({firstActionsOff,
                      {"paintNextCard:0", "paintResults:0:0", "enable:double:1", "paintCounts"},
                      refresh}));
}

namespace {
// Writes down the bank each time the money panel is painted.
class MoneyWatchingView : public RecordingView {
  public:
    explicit MoneyWatchingView(const TableState& table) : table_(table) {}
    void paintMoney() override {
        shownBanks.push_back(table_.bank);
        RecordingView::paintMoney();
    }
    std::vector<std::int32_t> shownBanks;

  private:
    const TableState& table_;
};

// Both hands of a split go over 21 while the dealer holds 16: the dealer must not draw.
class BothSplitHandsBust : public ::testing::Test {
  protected:
    void SetUp() override {
        resetTable(table);
        // pair of eights against 10 and 6; the hands get 10 (18) and 4 (12); then KS and QS
        arrangeShoe(table, cards({"8S", "10C", "8H", "6D", "10S", "4H", "KS", "QS"}));
        pressAll(table, view, {"deal", "split"});
    }
    TableState table;
    MoneyWatchingView view{table};
};
} // namespace

TEST_F(BothSplitHandsBust, ByHit) {
    press(table, view, "hit");
    EXPECT_TRUE(table.firstHandBusted);
    EXPECT_EQ(view.calls(),
              concat({firstActionsOff,
                      {"paintNextCard:0", "paintResults:0:0", "enable:double:1", "paintCounts"},
                      refresh}));
    press(table, view, "hit");
    EXPECT_EQ(view.calls(), concat({firstActionsOff,
                                    {"paintNextCard:2"},
                                    toBetting,
                                    reveal,
                                    {"paintResults:2:0", "paintMoney", "paintCounts"},
                                    refresh}));
    EXPECT_EQ(cardsIn(*handState(table, DealerHandId).hand.cards), 2);
    EXPECT_EQ(table.bank, 990);
    EXPECT_EQ(view.shownBanks, (std::vector<std::int32_t>{1000, 990}));
}

TEST_F(BothSplitHandsBust, ByDouble) {
    press(table, view, "double");
    EXPECT_TRUE(table.firstHandBusted);
    EXPECT_EQ(view.calls(),
              concat({firstActionsOff,
                      {"paintNextCard:0", "enable:double:1", "paintResults:0:0", "paintCounts"},
                      refresh}));
    press(table, view, "double");
    EXPECT_EQ(view.calls(), concat({firstActionsOff,
                                    {"paintNextCard:2", "paintResults:3:0", "paintMoney"},
                                    reveal,
                                    toBetting,
                                    {"paintCounts"},
                                    refresh}));
    EXPECT_EQ(cardsIn(*handState(table, DealerHandId).hand.cards), 2);
    EXPECT_EQ(table.bank, 980);
    EXPECT_EQ(view.shownBanks, (std::vector<std::int32_t>{1000, 980}));
}

namespace {
// Draws nothing and keeps nothing.
class SilentView : public TableView {
  public:
    void clearTable() override {}
    void paintCounts() override {}
    void paintMoney() override {}
    void paintBet() override {}
    void paintSplitLabel() override {}
    void paintNextCard(HandId, const NextCard&) override {}
    void paintResults(ResultTarget, RoundEnd) override {}
    void enableButton(ControlId, bool) override {}
    void invalidateRect(const Rect&) override {}
    void updateWindow() override {}
};

// Plays seeded rounds through `view`, splitting eights and aces, doubling on 10 and 11, hitting
// below 17; the bank and the shoe after them.
std::pair<std::int32_t, std::int32_t> afterRounds(TableView& view, int rounds) {
    TableState table;
    tableInit(table);
    randomSeed(table.shoe.random, 2027);
    for (int round = 0; round < rounds; ++round) {
        onDeal(table, view);
        while (!table.bettingMode) {
            const Hand& hand = handState(table, table.activeHand).hand;
            const std::int32_t total = handTotal(hand);
            const bool firstAction = cardsIn(*hand.cards) == 2;
            const std::int32_t rank = handCardAt(hand, 1).rank;
            if (firstAction && !table.splitActive && canSplit(table) && (rank == 8 || rank == 1)) {
                onSplit(table, view);
            } else if (firstAction && (total == 10 || total == 11)) {
                onDouble(table, view);
            } else if (total < 17) {
                onHit(table, view);
            } else {
                onStand(table, view);
            }
        }
    }
    return {table.bank, table.shoe.cardCount};
}
} // namespace

// The round advances on its own: a view that draws nothing plays every round as one that
// records every call.
TEST(SilentView, PlaysEveryRoundAsTheRecordingView) {
    SilentView silent;
    RecordingView recording;
    EXPECT_EQ(afterRounds(silent, 3000), afterRounds(recording, 3000));
}
