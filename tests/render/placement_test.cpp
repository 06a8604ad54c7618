#include "render/placement.h"

#include <gtest/gtest.h>

namespace {
// Where the English badge of that kind goes.
Point badgePosition(HandId hand, std::int32_t slot, BadgeKind kind) {
    return badgePosition(hand, slot, kind, SheetGeometry::badgeCopyWidths[kind]);
}
} // namespace

// The worked badge table: slot is one more than the cards in the hand.
TEST(BadgePlacement, MovesAQuarterCardPerCard) {
    const std::int32_t rows[][4] = {// slot, player's or dealer's x, player's natural, split
                                    {3, 27, 10, 317},
                                    {4, 45, 28, 335},
                                    {5, 63, 46, 353},
                                    {6, 81, 64, 371},
                                    {7, 98, 81, 388}};
    for (const auto& [slot, handX, naturalX, splitX] : rows) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(badgePosition(PlayerHandId, slot, BadgeWin).x, handX);
        EXPECT_EQ(badgePosition(DealerHandId, slot, BadgeBust).x, handX);
        EXPECT_EQ(badgePosition(PlayerHandId, slot, BadgeNatural).x, naturalX);
        EXPECT_EQ(badgePosition(SplitHandId, slot, BadgeLose).x, splitX);
        EXPECT_EQ(badgePosition(SplitHandId, slot, BadgeNatural).x, splitX); // never shifts
        EXPECT_EQ(badgePosition(DealerHandId, slot, BadgeNatural).x, 10);    // no slot term
    }
    EXPECT_EQ(badgePosition(DealerHandId, 3, BadgePush).y, 66);
    EXPECT_EQ(badgePosition(SplitHandId, 3, BadgePush).y, 206);
}

TEST(BadgeChoice, FirstRuleThatHoldsWins) {
    struct Row {
        std::int32_t total, dealer;
        bool dealerBusted, naturalCheck;
        BadgeKind expected;
    };
    const Row rows[] = {
        {22, 25, true, false, BadgeBust},    {22, 18, false, true, BadgeBust},
        {21, 21, false, true, BadgeNatural}, {21, 21, false, false, BadgePush},
        {12, 24, true, false, BadgeWin},     {19, 18, false, false, BadgeWin},
        {20, 21, false, true, BadgeLose},    {18, 18, false, false, BadgePush},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.total << " vs " << row.dealer);
        EXPECT_EQ(handBadge(row.total, row.dealer, row.dealerBusted, row.naturalCheck),
                  row.expected);
    }
    EXPECT_EQ(dealerBadge(22, false), BadgeBust);
    EXPECT_EQ(dealerBadge(21, true), BadgeNatural);
    EXPECT_EQ(dealerBadge(21, false), std::nullopt);
}
