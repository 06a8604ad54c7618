#include "game/actions.h"
#include "game/bets.h"
#include "game/deal.h"
#include "render/table_content.h"
#include "render/words.h"
#include "table_picture.h"
#include "tests/support/table_fixture.h"

#include <QDir>
#include <QImage>
#include <QLocale>

namespace {
// The finished split round of the reference pictures: bet 15; split eights; 8C 3C doubled with
// KS to 21; 8H 2D hit with 9C to 19; the dealer draws 9H and busts.
constexpr const char* referenceDraws = "8C 10D 8H 6S 3C 2D KS 9C 9H";
constexpr const char* referenceButtons = "TDPXHS";

// The picture drawn against the committed one, pixel for pixel; with QUORVEL_UPDATE_REFERENCE set
// it becomes the committed one. Each run leaves the picture it drew in <build>/artifacts.
void compareWithReference(const QImage& drawn, const QString& name) {
    const QString artifact = QStringLiteral(ARTIFACTS_DIR "/") + name;
    const QString reference = QStringLiteral(REFERENCE_DIR "/") + name;
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(ARTIFACTS_DIR)));
    EXPECT_TRUE(drawn.save(artifact));
    if (qEnvironmentVariableIsSet("QUORVEL_UPDATE_REFERENCE")) {
        ASSERT_TRUE(drawn.save(reference));
        GTEST_SKIP() << "reference picture written to " << reference.toStdString();
    }
    const QImage committed = QImage(reference).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(committed.isNull()) << "no reference picture at " << reference.toStdString();
    EXPECT_EQ(drawn, committed) << "compare " << artifact.toStdString() << " with "
                                << reference.toStdString();
}

// The table drawn from the start in a translation; English again afterwards.
class TranslatedTable : public TablePicture, public testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        ASSERT_EQ(useLanguage(QLocale(QString::fromLatin1(GetParam()))), GetParam());
        TablePicture::SetUp();
    }
    void TearDown() override {
        TablePicture::TearDown();
        useLanguage(QLocale(QLocale::English));
    }
};
} // namespace

// The whole back buffer after a finished split round, pixel for pixel against the committed
// picture. When the art or the text changes on purpose, regenerate the pictures with
//   sh tools/update-reference.sh
// (or QUORVEL_UPDATE_REFERENCE=1 ctest --test-dir <build> -R TableReference) and look at them.
TEST_F(TablePicture, TableReference) {
    play(referenceDraws, referenceButtons, 2026);
    compareWithReference(back(), QStringLiteral("table.png"));
}

// The same round in Simplified Chinese, its letters from the machine's Chinese font, and in
// Arabic, the table mirrored and the letters joined.
TEST_P(TranslatedTable, TableReference) {
    play(referenceDraws, referenceButtons, 2026);
    compareWithReference(back(), QStringLiteral("table_%1.png").arg(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedTable, testing::Values("zh_CN", "ar"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

// Two tables drawn side by side, their presses taking turns, each on its own canvas: the first is
// still the reference picture, also when drawn again from its record, and the second, at twice the
// pixels, is its own round as drawn alone. The cards come from the one generator, so the second
// table's deal comes before the first's shoe is arranged, and its dealer stands without drawing.
TEST_F(TablePicture, ATableBesideItKeepsItsOwnPictureAndRecord) {
    struct Beside {
        TableState table;
        Canvas canvas;
        PaintingView view{canvas, table};
        void deal() {
            resetTable(table);
            arrangeShoe(table, cards({"10C", "9D", "QH", "8S"}), 5); // 20 against 17
            ASSERT_TRUE(createTableSurface(canvas, table, 2.0));
            onDeal(table, view);
        }
    } beside, alone;
    beside.deal();
    play(referenceDraws, "TD", 2026);
    onStand(beside.table, beside.view);
    play("", "PX");
    onBetTen(beside.table, beside.view);
    play("", "HS");
    alone.deal();
    onStand(alone.table, alone.view);
    onBetTen(alone.table, alone.view);

    rescaleTableSurface(canvas, 2.0);
    rescaleTableSurface(canvas, 1.0);
    EXPECT_EQ(
        back(),
        QImage(QStringLiteral(REFERENCE_DIR "/table.png")).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(tableContent(beside.canvas).player.badge, BadgeWin);
    EXPECT_EQ(backBuffer(beside.canvas).image(), backBuffer(alone.canvas).image());
}
