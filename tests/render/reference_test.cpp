#include "table_picture.h"

#include <QDir>
#include <QImage>

// The whole back buffer after a finished split round, pixel for pixel against the committed
// picture. When the art or the text changes on purpose, regenerate the picture with
//   sh tools/update-reference.sh
// (or QUORVEL_UPDATE_REFERENCE=1 ctest --test-dir <build> -R TableReference) and look at it.
// Every run also leaves the picture it drew in <build>/artifacts/table.png.
TEST_F(TablePicture, TableReference) {
    play("8C 10D 8H 6S 3C 2D KS 9C 9H", "TDPXHS", 2026);
    // bet 15; split eights; 8C 3C doubled with KS to 21; 8H 2D hit with 9C to 19; the dealer
    // draws 9H and busts
    const QImage& drawn = back();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(ARTIFACTS_DIR)));
    EXPECT_TRUE(drawn.save(QStringLiteral(ARTIFACTS_DIR "/table.png")));
    if (qEnvironmentVariableIsSet("QUORVEL_UPDATE_REFERENCE")) {
        ASSERT_TRUE(drawn.save(QStringLiteral(REFERENCE_PICTURE)));
        GTEST_SKIP() << "reference picture written to " REFERENCE_PICTURE;
    }
    const QImage reference =
        QImage(QStringLiteral(REFERENCE_PICTURE)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull()) << "no reference picture at " REFERENCE_PICTURE;
    EXPECT_EQ(drawn, reference) << "compare " ARTIFACTS_DIR "/table.png with " REFERENCE_PICTURE;
}
