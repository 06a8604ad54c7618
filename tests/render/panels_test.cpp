#include "game/table_state.h"
#include "raster/script_font.h"
#include "raster/text.h"
#include "render/words.h"
#include "table_picture.h"

#include <QLocale>
#include <QPainter>
#include <QRawFont>
#include <QResource>

#include <algorithm>
#include <limits>
#include <tuple>

namespace {
const std::vector<TextItem> handLabels{{{10, 5}, "Dealers Hand"}, {{10, 145}, "Players Hand"}};
QImage moneyFigure(std::string_view figure) {
    return textPatch({40, 25}, {{{3, 4}, figure}});
}
} // namespace

TEST_F(TablePicture, StartsWithEmptyHandsTheBankAndTheStake) {
    EXPECT_TRUE(holds(back(), {0, 0}, textPatch({600, 275}, handLabels)));
    EXPECT_TRUE(holds(back(), {0, 275}, countPanel("0", "0")));
    EXPECT_TRUE(holds(back(), {505, 360}, moneyFigure("1000")));
    EXPECT_TRUE(
        holds(back(), {325, 340}, textPatch({125, 15}, {{{0, 0}, "Current Bet"}, {{85, 0}, "5"}})));
    EXPECT_TRUE(holds(back(), {600, 0}, textPatch({200, 340}, {})));
}

TEST_F(TablePicture, BankFiguresKeepTheirSignAndAllTheirDigits) {
    table.bank = -15;
    view.paintMoney();
    const QImage money = back().copy(505, 360, 40, 25);
    EXPECT_EQ(money, moneyFigure("-15"));
    const QImage sign = textPatch(money.size(), {{{3, 4}, "-"}});
    const QRect signInk = inkBox(sign);
    EXPECT_FALSE(signInk.isEmpty());
    EXPECT_EQ(money.copy(signInk), sign.copy(signInk)) << "the figure starts with its sign";

    table.bank = std::numeric_limits<std::int32_t>::min(); // longer than its field: drawn whole
    view.paintMoney();
    const QSize rest(800 - 505, 25);
    EXPECT_EQ(inkBox(back().copy(QRect({505, 360}, rest))),
              inkBox(textPatch(rest, {{{3, 4}, "-2147483648"}})));
}

// The widest figures stay inside the panels their painters clear, so a repaint leaves nothing
// behind; in every language each caption ends a few pixels before its figure or the label beside
// it, and "Money" stays in the gap of its frame. A right-to-left language sees each caption end
// where it would begin, in the mirrored place. Measured with the fonts that draw the letters, and
// inside the bounds the repaints go by.
TEST(TableText, FitsItsPanels) {
    ASSERT_TRUE(loadTextFont());
    struct Row {
        std::string text;
        QPoint at;
        QRect allowed;
        TableLayout::Direction direction = TableLayout::Direction::leftToRight;
    };
    std::vector<Row> rows = {
        {"-99", {120, 315}, QRect(QPoint(120, 315), QPoint(149, 339))},
        {"99999", {410, 340}, QRect(QPoint(410, 340), QPoint(449, 354))},
        {"-9999", {508, 364}, QRect(QPoint(505, 360), QPoint(544, 384))},
        {"88888", {508, 364}, QRect(QPoint(505, 360), QPoint(544, 384))},
    };
    const std::tuple<Caption, QPoint, QRect> captions[] = {
        {Caption::dealersHand, {10, 5}, QRect(QPoint(0, 0), QPoint(599, 29))},
        {Caption::playersHand, {10, 145}, QRect(QPoint(0, 140), QPoint(295, 169))},
        {Caption::splitHand, {300, 155}, QRect(QPoint(300, 140), QPoint(599, 169))},
        {Caption::dealersCount, {10, 275}, QRect(QPoint(0, 275), QPoint(116, 294))},
        {Caption::playersCount, {10, 295}, QRect(QPoint(0, 295), QPoint(116, 314))},
        {Caption::splitCount, {10, 315}, QRect(QPoint(0, 315), QPoint(116, 339))},
        {Caption::currentBet, {325, 340}, QRect(QPoint(325, 340), QPoint(405, 354))},
        {Caption::money, {500, 340}, QRect(QPoint(497, 335), QPoint(546, 359))},
    };
    // the font the program carries keeps the letters of every language that has no script font
    const QRawFont carried(QResource(":/fonts/DejaVuSans.ttf").uncompressedData(), textPixelSize);
    for (const QString& language : carriedLanguages()) {
        ASSERT_EQ(useLanguage(QLocale(language)), language);
        for (const auto& [caption, at, allowed] : captions) {
            const std::string text = captionText(caption);
            for (const char32_t letter : QString::fromStdString(text).toUcs4()) {
                EXPECT_TRUE(!scriptFontFamily().isEmpty() || carried.supportsCharacter(letter))
                    << language.toStdString() << ": " << text;
            }
            const TableLayout::Direction direction = tableDirection();
            // the drawn text as the painters place it, the allowed place as it is mirrored
            const Point place =
                TableLayout::mirroredTopLeft({at.x(), at.y()}, textWidth(text), direction);
            const Rect room = TableLayout::mirrored(
                {allowed.left(), allowed.top(), allowed.right() + 1, allowed.bottom() + 1},
                direction);
            rows.push_back(
                {text,
                 {place.x, place.y},
                 QRect(QPoint(room.left, room.top), QPoint(room.right - 1, room.bottom - 1)),
                 direction});
        }
        for (Row& row : rows) {
            if (row.text.empty()) {
                continue;
            }
            const QRect ink = inkBox(textPatch({800, 600}, {{row.at, row.text}}));
            SCOPED_TRACE(testing::Message()
                         << language.toStdString() << ": " << row.text << " ink x " << ink.left()
                         << ".." << ink.right() << " y " << ink.top() << ".." << ink.bottom());
            EXPECT_FALSE(ink.isEmpty());
            EXPECT_TRUE(row.allowed.contains(ink));
            EXPECT_TRUE(textBounds(row.at, row.text).contains(ink));
            row.text.clear(); // measured once, in the language it belongs to
        }
    }
    useLanguage(QLocale(QLocale::English));
}

// The bounds hold the letters at every scale whichever font measured them: drawn first at scale
// 2, as a screen that never draws pixel letters does, here the smoothed font measures them.
TEST(TableText, BoundsHoldTheLettersAtEveryScaleWhicheverFontMeasuredThem) {
    ASSERT_TRUE(loadTextFont());
    std::vector<std::string> texts = {"-2147483648"};
    for (char letter = ' '; letter <= '~'; ++letter) {
        texts.front() += letter;
        texts.emplace_back(1, letter);
    }
    const QPoint at(10, 5);
    for (const double scale : {2.0, 1.5, 1.0}) {
        for (const std::string& text : texts) {
            Surface patch(1400, 25, scale, Rgb{0, 128, 0});
            drawText(patch, at, text);
            QRect ink;
            for (int y = 0; y < patch.image().height(); ++y) {
                for (int x = 0; x < patch.image().width(); ++x) {
                    ink |=
                        patch.image().pixel(x, y) == qRgb(0, 128, 0) ? QRect() : QRect(x, y, 1, 1);
                }
            }
            const QRect bounds = textBounds(at, text);
            SCOPED_TRACE(testing::Message() << "\"" << text << "\" at scale " << scale);
            EXPECT_TRUE(ink.isEmpty() || // a space
                        QRect(QPoint(toDevice(bounds.left(), scale), toDevice(bounds.top(), scale)),
                              QPoint(toDevice(bounds.right() + 1, scale) - 1,
                                     toDevice(bounds.bottom() + 1, scale) - 1))
                            .contains(ink));
        }
    }
}

TEST_F(TablePicture, ClearTableTouchesOnlyTheCardArea) {
    play("10C 9D KH 7S 5C", "T5DH"); // bet 20, the player busts: bank, bet and cards all changed
    QImage before = back().copy();
    view.clearTable();
    QImage after = back().copy();
    EXPECT_TRUE(holds(after, {0, 0}, textPatch({600, 340}, handLabels)));
    for (QImage* picture : {&before, &after}) {
        QPainter(picture).fillRect(0, 0, 600, 340, Qt::magenta);
    }
    EXPECT_EQ(after, before);
    EXPECT_NE(before.copy(505, 360, 40, 25), moneyFigure("1000"));
}

// The frame's white pixels: 2-pixel strokes centred on the polyline, flat at the two open ends,
// mitred at the corners. The top edge stops short of the label from x 495 to x 548 and the
// left edge rises one pixel above it.
TEST_F(TablePicture, MoneyBoxFrameIsOpenAroundTheLabel) {
    const QRect strokes[] = {
        QRect(QPoint(548, 348), QPoint(555, 349)), // top edge, right of the label
        QRect(QPoint(554, 348), QPoint(555, 395)), // right edge
        QRect(QPoint(489, 394), QPoint(555, 395)), // bottom edge
        QRect(QPoint(489, 347), QPoint(490, 395)), // left edge, up to the corner at y 348
        // the last stroke, from the corner down to (495, 349)
        QRect(QPoint(491, 347), QPoint(492, 347)),
        QRect(QPoint(491, 348), QPoint(494, 348)),
        QRect(QPoint(492, 349), QPoint(494, 349)),
    };
    for (int y = 330; y < 410; ++y) {
        for (int x = 470; x < 580; ++x) {
            const bool frame =
                std::any_of(std::begin(strokes), std::end(strokes),
                            [&](const QRect& stroke) { return stroke.contains(x, y); });
            EXPECT_EQ(back().pixel(x, y) == qRgb(255, 255, 255), frame) << x << "," << y;
        }
    }
}
