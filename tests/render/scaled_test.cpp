#include "game/actions.h"
#include "game/deal.h"
#include "game/table_state.h"
#include "raster/surface.h"
#include "render/canvas.h"
#include "render/table_surface.h"
#include "table_picture.h"
#include "tests/support/table_fixture.h"

#include <QDir>
#include <QImage>

#include <cmath>
#include <string>

// The table drawn at other device pixel ratios: the same layout in logical pixels, everything
// drawn at the device's own resolution.

namespace {
// The finished split round of the 1x reference picture: bet 15, eights split, a double to 21, a
// hit to 19, the dealer busts.
constexpr const char* referenceDraws = "8C 10D 8H 6S 3C 2D KS 9C 9H";
constexpr const char* referenceButtons = "TDPXHS";
constexpr std::uint32_t referenceSeed = 2026;

QString ratioName(double scale) {
    return QString::number(scale).replace('.', '_');
}

QImage deviceCopy(const QImage& image) {
    QImage copy = image.copy();
    copy.setDevicePixelRatio(1.0);
    return copy;
}

// The share of aligned 2 x 2 blocks of one colour: 100 % for a picture enlarged pixel by pixel.
double uniformBlockShare(const QImage& picture) {
    int uniform = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < picture.height(); y += 2) {
        for (int x = 0; x + 1 < picture.width(); x += 2) {
            const QRgb pixel = picture.pixel(x, y);
            uniform += pixel == picture.pixel(x + 1, y) && pixel == picture.pixel(x, y + 1) &&
                       pixel == picture.pixel(x + 1, y + 1);
            ++blocks;
        }
    }
    return 100.0 * uniform / blocks;
}

// The share of pixels of the picture shrunk to logical size that differ from the 1x picture by
// more than a quarter of the range in a channel: edges land where the 1x picture has them.
double shareFarFrom(const QImage& scaled, const QImage& logical) {
    const QImage shrunk =
        deviceCopy(scaled).scaled(logical.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int far = 0;
    for (int y = 0; y < logical.height(); ++y) {
        for (int x = 0; x < logical.width(); ++x) {
            const QRgb a = shrunk.pixel(x, y);
            const QRgb b = logical.pixel(x, y);
            far += std::abs(qRed(a) - qRed(b)) > 64 || std::abs(qGreen(a) - qGreen(b)) > 64 ||
                   std::abs(qBlue(a) - qBlue(b)) > 64;
        }
    }
    return 100.0 * far / (logical.width() * logical.height());
}
} // namespace

class ScaledPicture : public TablePicture {
  protected:
    // A fresh back buffer at that ratio, as at a start-up on such a screen.
    void startAt(double scale) {
        releaseTableSurface(canvas);
        ASSERT_TRUE(createTableSurface(canvas, table, scale));
    }
    QImage drawnAt(double scale, std::string_view draws, std::string_view buttons,
                   std::uint32_t seed = 1) {
        resetTable(table);
        startAt(scale);
        play(draws, buttons, seed);
        return back().copy();
    }
};

class ReferenceRatio : public ScaledPicture, public testing::WithParamInterface<double> {};

// Pixel for pixel against the committed picture of each ratio; regenerate both with
// QUORVEL_UPDATE_REFERENCE=1 like the 1x picture, and look at them.
TEST_P(ReferenceRatio, FinishedSplitRoundMatchesItsPicture) {
    const double scale = GetParam();
    const QImage drawn =
        deviceCopy(drawnAt(scale, referenceDraws, referenceButtons, referenceSeed));
    ASSERT_EQ(drawn.size(), QSize(toDevice(800, scale), toDevice(600, scale)));
    const QString name = QStringLiteral("table@%1x.png").arg(ratioName(scale));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(ARTIFACTS_DIR)));
    EXPECT_TRUE(drawn.save(QStringLiteral(ARTIFACTS_DIR "/") + name));
    const QString reference = QStringLiteral(REFERENCE_DIR "/") + name;
    if (qEnvironmentVariableIsSet("QUORVEL_UPDATE_REFERENCE")) {
        ASSERT_TRUE(drawn.save(reference));
        GTEST_SKIP() << "reference picture written to " << reference.toStdString();
    }
    EXPECT_EQ(drawn, QImage(reference).convertToFormat(QImage::Format_RGB32))
        << "compare " ARTIFACTS_DIR "/" << name.toStdString() << " with "
        << reference.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ratios, ReferenceRatio, testing::Values(2.0, 1.5));

// A picture enlarged pixel by pixel has nothing but uniform 2 x 2 blocks; drawn at the device's
// resolution, edges fall inside them. The flat white of a card keeps many uniform either way.
TEST_F(ScaledPicture, CardsAreDrawnAtDeviceResolution) {
    const QImage drawn = deviceCopy(drawnAt(2.0, referenceDraws, referenceButtons, referenceSeed));
    const double card = uniformBlockShare(drawn.copy(2 * 80, 2 * 170, 2 * 71, 2 * 96)); // the king
    const double figure = uniformBlockShare(drawn.copy(2 * 99, 2 * 174, 2 * 33, 2 * 88));
    RecordProperty("king_uniform_blocks_percent", std::to_string(card));
    RecordProperty("figure_uniform_blocks_percent", std::to_string(figure));
    EXPECT_LT(card, 85.0);
    EXPECT_LT(figure, 70.0);
}

class EveryRatio : public ScaledPicture, public testing::WithParamInterface<double> {};

// Shrunk back to logical size, each picture lies on the 1x picture: every card, badge, label and
// line in its place, whatever the ratio. The cards of a hand meet without a seam.
TEST_P(EveryRatio, ShrunkToLogicalSizeItLiesOnTheOneToOnePicture) {
    const double scale = GetParam();
    const QImage logical = drawnAt(1.0, referenceDraws, referenceButtons, referenceSeed);
    const QImage scaled = drawnAt(scale, referenceDraws, referenceButtons, referenceSeed);
    EXPECT_LT(shareFarFrom(scaled, logical), 2.0);
    const QImage dealerRow = deviceCopy(scaled).copy(
        QRect(QPoint(toDevice(10, scale), toDevice(30, scale)),
              QPoint(toDevice(10 + 2 * 35 + 71, scale) - 1, toDevice(30 + 96, scale) - 1)));
    for (int y = 0; y < dealerRow.height(); ++y) {
        for (int x = 0; x < dealerRow.width(); ++x) {
            ASSERT_NE(dealerRow.pixel(x, y), qRgb(0, 128, 0)) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, EveryRatio,
                         testing::Values(1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 1.33333, 4.0));

// Drawn again at a new ratio in the middle of a round, after it and back again, the picture is
// the one the same presses give at that ratio from the start.
TEST_F(ScaledPicture, DrawnAgainAtANewRatioItIsTheRoundDrawnThereFromTheStart) {
    const struct {
        const char* buttons;
        double from;
        double to;
    } cases[] = {
        {"TDP", 1.0, 2.0},    // a split, mid-round: face-down card, split label, both rows
        {"TDPXHS", 1.0, 2.0}, // the round over: badges, the dealer's bust, the new bank
        {"TDPX", 2.0, 1.5},
        {"TDPXHS", 1.5, 1.0},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(testing::Message() << each.buttons << " " << each.from << " -> " << each.to);
        drawnAt(each.from, referenceDraws, each.buttons, referenceSeed);
        rescaleTableSurface(canvas, each.to);
        const QImage again = back().copy();
        EXPECT_EQ(again, drawnAt(each.to, referenceDraws, each.buttons, referenceSeed));
    }
}

TEST_F(ScaledPicture, RatiosTheArtIsNotMadeForFallToTheNearestThatIs) {
    EXPECT_EQ(drawableScale(1.33333), 1.33333);
    EXPECT_EQ(drawableScale(4.0), 4.0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(drawableScale(0.75), 1.0);
    EXPECT_EQ(drawableScale(9.0), 4.0);
    EXPECT_EQ(drawableScale(std::nan("")), 1.0);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("0.75"), std::string::npos) << said;
    EXPECT_EQ(said.find("9"), std::string::npos) << "said more than once: " << said;
    const QImage logical = drawnAt(1.0, referenceDraws, referenceButtons, referenceSeed);
    EXPECT_EQ(drawnAt(0.75, referenceDraws, referenceButtons, referenceSeed), logical);
}

// Each new round clears only what the rounds before it drew: the picture is still the one the
// kept drawing gives when drawn anew, at every ratio.
TEST_F(ScaledPicture, ANewRoundLeavesNothingOfTheLastOne) {
    for (const double scale : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(scale);
        resetTable(table);
        startAt(scale);
        arrangeShoe(table, {}, 7);
        const auto expectAsDrawnAnew = [&](int round) {
            const QImage drawn = back().copy();
            rescaleTableSurface(canvas, scale == 1.0 ? 2.0 : 1.0);
            rescaleTableSurface(canvas, scale);
            ASSERT_EQ(back(), drawn) << "round " << round;
        };
        for (int round = 0; round < 30; ++round) {
            onDeal(table, view);
            expectAsDrawnAnew(round);
            if (canSplit(table)) {
                onSplit(table, view);
            }
            while (!table.bettingMode) {
                handTotal(handState(table, table.activeHand).hand) < 15 ? onHit(table, view)
                                                                        : onStand(table, view);
            }
        }
    }
}
