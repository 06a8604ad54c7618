#include "game/deal.h"
#include "raster/sprite_sheet.h"
#include "table_picture.h"

#include <QPainter>

#include <memory>
#include <string>

TEST_F(TablePicture, DealShowsTheHoleCardFaceDownUntilTheReveal) {
    play("9C AS KH 7D", "D");
    EXPECT_TRUE(holds(back(), {10, 170}, cardCellImage("9C", 35)));
    EXPECT_TRUE(holds(back(), {45, 170}, cardCellImage("KH")));
    EXPECT_TRUE(holds(back(), {10, 30}, cardCellImage("back", 35)));
    EXPECT_TRUE(holds(back(), {45, 30}, cardCellImage("7D")));
    play("", "S");
    EXPECT_TRUE(holds(back(), {10, 30}, cardCellImage("AS", 35)));
    EXPECT_TRUE(holds(back(), {45, 30}, cardCellImage("7D")));
}

namespace {
struct Badge {
    int row, x, y; // row of the result sheet: bust, win, lose, natural, push
};
constexpr int bust = 0, win = 1, lose = 2, natural = 3, push = 4;
constexpr int copyWidths[] = {57, 52, 54, 110, 62}; // win takes one white column past its frame

// The card rows, with the given badge rectangles painted over in one colour.
QImage cardRowsWithout(const QImage& picture, const std::vector<Badge>& badges) {
    QImage rows = picture.copy(0, 0, 600, 275);
    QPainter painter(&rows);
    for (const Badge& badge : badges) {
        painter.fillRect(badge.x, badge.y, copyWidths[badge.row], 27, Qt::magenta);
    }
    return rows;
}
} // namespace

TEST_F(TablePicture, BadgesLandWhereTheHandEnds) {
    struct Round {
        const char *draws, *buttons; // draws: player, dealer, player, dealer, then each card
        std::vector<Badge> badges;
    };
    const Round rounds[] = {
        {"10C 10D KH 8S", "DS", {{win, 27, 206}}},
        {"5C 10D 6H 9S 4C", "DHS", {{lose, 45, 206}}},
        {"2C 10D 3H 7S 4C 8D", "DHHS", {{push, 63, 206}}},
        {"2C 10D 2H 6S 2D 3C 4H KD", "DHHHS", {{bust, 45, 66}, {win, 81, 206}}},
        {"2C 10D 2H 8S 2D 2S 5C KH", "DHHHH", {{bust, 98, 206}}},
        {"AS 9D KH 7S", "D", {{natural, 10, 206}}},
        {"AS AD KH QS", "D", {{natural, 10, 66}, {natural, 10, 206}}},
        {"10S AD 9H KS", "D", {{natural, 10, 66}, {lose, 27, 206}}},
        {"8C 10D 8H 9S 3C 2D 9C", "DPSHS", {{lose, 27, 206}, {push, 335, 206}}},
        {"8C 10D 8H 9S 6C 6D KC KD", "DPHH", {{bust, 45, 206}, {bust, 335, 206}}},
    };
    const QImage sheet = sheetImage("IDBRESULTSBITMAP");
    for (const Round& round : rounds) {
        SCOPED_TRACE(round.draws);
        play(round.draws, round.buttons);
        for (const Badge& badge : round.badges) {
            const QImage drawn = sheet.copy(0, badge.row * 27, copyWidths[badge.row], 27);
            EXPECT_TRUE(holds(back(), {badge.x, badge.y}, drawn)) << badge.x << "," << badge.y;
        }
        ASSERT_FALSE(view.beforeResults.isNull());
        EXPECT_EQ(cardRowsWithout(back(), round.badges),
                  cardRowsWithout(view.beforeResults, round.badges));
        view.beforeResults = QImage();
    }
}

TEST_F(TablePicture, SplitEightsGetTheirOwnRowUntilTheNextDeal) {
    play("8C 10D 8H 9S 3C 2D", "DP");
    EXPECT_TRUE(holds(back(), {300, 155}, textPatch({90, 14}, {{{0, 0}, "Split Hand"}})));
    EXPECT_TRUE(holds(back(), {10, 170}, cardCellImage("8C", 35)));
    EXPECT_TRUE(holds(back(), {45, 170}, cardCellImage("3C")));
    EXPECT_TRUE(holds(back(), {300, 170}, cardCellImage("8H", 35)));
    EXPECT_TRUE(holds(back(), {335, 170}, cardCellImage("2D")));
    EXPECT_TRUE(holds(back(), {0, 275}, countPanel("9", "11", "10")));

    play("", "SS");
    play("10C 8D 7H QS", "D");
    EXPECT_TRUE(holds(back(), {300, 140}, textPatch({300, 135}, {})));
    EXPECT_TRUE(holds(back(), {0, 275}, countPanel("10", "17")));
}

TEST_F(TablePicture, DealerCountLeavesOutTheHoleCardUntilTheReveal) {
    const char* rows[][4] = {
        {"AS", "6H", "6", "17"}, {"5C", "KD", "10", "15"}, {"AD", "AS", "11", "12"}};
    for (const auto& [hole, upCard, before, after] : rows) {
        SCOPED_TRACE(hole);
        play(std::string("10C ") + hole + " 9D " + upCard, "D");
        EXPECT_TRUE(holds(back(), {0, 275}, countPanel(before, "19")));
        revealDealerHand(table, view);
        view.paintCounts();
        EXPECT_TRUE(holds(back(), {0, 275}, countPanel(after, "19")));
        play("", "S");
    }
}

// A sheet's picture is made once, when first copied from at one device pixel a pixel; at other
// ratios the art draws the sprites and the picture is never made.
TEST(SpriteSheet, PictureIsMadeOnlyWhenCopiedFromAtOneToOne) {
    int made = 0;
    SpriteSheet sheet(
        [&made] {
            ++made;
            return std::make_unique<Surface>(4, 4, 1.0, Rgb{255, 0, 0});
        },
        [](const SpriteSheet&, std::int32_t, std::int32_t width, std::int32_t height) {
            QImage drawn(width, height, QImage::Format_RGB32);
            drawn.fill(Qt::blue);
            return drawn;
        });
    Surface twice(4, 4, 2.0);
    copySprite(twice, {0, 0}, sheet, 0, QRect(0, 0, 2, 2));
    EXPECT_EQ(made, 0);
    Surface once(4, 4);
    copySprite(once, {0, 0}, sheet, 0, QRect(0, 0, 2, 2));
    copySprite(once, {2, 2}, sheet, 0, QRect(0, 0, 2, 2));
    EXPECT_EQ(made, 1);
    EXPECT_EQ(once.image().pixel(3, 3), qRgb(255, 0, 0));
}
