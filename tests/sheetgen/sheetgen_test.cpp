// Runs the sheet generator into a temporary directory and checks the sheets it writes.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

namespace {

constexpr int cellWidth = 71;
constexpr int cellHeight = 96;
constexpr int coveredStrip = 35;
constexpr int badgeHeight = 27;
const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);
const QRgb yellow = qRgb(255, 255, 0);

bool runSheetgen(const QString& dir) {
    QProcess process;
    process.start(QStringLiteral(SHEETGEN_PROGRAM), {dir});
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isDark(QRgb pixel) {
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

class Sheets : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        generated = runSheetgen(dir->path());
        cards = QImage(dir->filePath("IDBCARDBITMAP.png")).convertToFormat(QImage::Format_RGB32);
        results =
            QImage(dir->filePath("IDBRESULTSBITMAP.png")).convertToFormat(QImage::Format_RGB32);
    }
    static void TearDownTestSuite() { delete dir; }

    static QImage cell(int column, int row, int width = cellWidth) {
        return cards.copy(column * cellWidth, row * cellHeight, width, cellHeight);
    }

    static inline QTemporaryDir* dir = nullptr;
    static inline bool generated = false;
    static inline QImage cards;
    static inline QImage results;
};

TEST_F(Sheets, AreWrittenWithTheirFixedSizes) {
    ASSERT_TRUE(generated);
    EXPECT_EQ(cards.size(), QSize(284, 1344));
    EXPECT_EQ(results.size(), QSize(110, 135));
}

// How far a pixel of a cell lies from the cell's nearest edge: 0 on the frame.
int ringOf(int x, int y) {
    return std::min({x, y, cellWidth - 1 - x, cellHeight - 1 - y});
}

TEST_F(Sheets, EveryCardHasADarkFrameAroundAWhiteFace) {
    for (int row = 0; row <= 13; ++row) {
        for (int column = 0; column < (row == 13 ? 1 : 4); ++column) {
            const QImage card = cell(column, row);
            for (int y = 0; y < cellHeight; ++y) {
                for (int x = 0; x < cellWidth; ++x) {
                    const int ring = ringOf(x, y);
                    const QRgb pixel = card.pixel(x, y);
                    ASSERT_TRUE(ring > 1 || (ring == 0 ? isDark(pixel) : pixel == white))
                        << "column " << column << " row " << row << " x " << x << " y " << y;
                }
            }
        }
    }
}

TEST_F(Sheets, FacesBackAndCoveredStripsAreAllDistinct) {
    std::set<std::string> faces;
    std::set<std::string> strips;
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QImage face = cell(column, row);
            faces.emplace(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes());
            const QImage strip = cell(column, row, coveredStrip);
            strips.emplace(reinterpret_cast<const char*>(strip.constBits()), strip.sizeInBytes());
        }
    }
    EXPECT_EQ(faces.size(), 52u);
    EXPECT_EQ(strips.size(), 52u);
    const QImage back = cell(0, 13);
    EXPECT_EQ(faces.count(
                  std::string(reinterpret_cast<const char*>(back.constBits()), back.sizeInBytes())),
              0u);
}

TEST_F(Sheets, BlankCellsBesideTheBackAreWhite) {
    const QImage blank = cards.copy(cellWidth, 13 * cellHeight, 3 * cellWidth, cellHeight);
    for (int y = 0; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x)
            ASSERT_EQ(blank.pixel(x, y), white) << "x " << x << " y " << y;
}

bool isGrey(QRgb pixel) {
    return std::abs(qRed(pixel) - qGreen(pixel)) <= 8 &&
           std::abs(qGreen(pixel) - qBlue(pixel)) <= 8;
}

// Red ink blended with the white face keeps green and blue equal.
bool isRedTint(QRgb pixel) {
    return std::abs(qGreen(pixel) - qBlue(pixel)) <= 8 && qRed(pixel) >= qGreen(pixel);
}

bool isSuitInk(QRgb pixel, bool redSuit) {
    return redSuit ? qRed(pixel) - qGreen(pixel) > 100 : isDark(pixel);
}

int countPixels(const QImage& image, const QRect& area, auto predicate) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += predicate(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// Columns: clubs, diamonds, hearts, spades.
constexpr bool redSuits[] = {false, true, true, false};

TEST_F(Sheets, IndexInTheCoveredStripIsInkedInTheSuitColour) {
    const QRect topLeftIndex(2, 3, 16, 26);
    const QRect bottomRightIndex(cellWidth - 18, cellHeight - 29, 16, 26);
    ASSERT_LT(topLeftIndex.right(), coveredStrip);
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QImage face = cell(column, row);
            const auto ink = [&](QRgb pixel) { return isSuitInk(pixel, redSuits[column]); };
            EXPECT_GT(countPixels(face, topLeftIndex, ink), 25) << column << "/" << row;
            EXPECT_EQ(countPixels(face, topLeftIndex, ink),
                      countPixels(face, bottomRightIndex, ink))
                << column << "/" << row;
        }
    }
}

TEST_F(Sheets, NumberCardsUseTheirSuitColourAndCourtsAreInColour) {
    const QRect inside(1, 1, cellWidth - 2, cellHeight - 2);
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool red = redSuits[column];
            const int colourful = countPixels(cell(column, row), inside, [red](QRgb pixel) {
                return !isGrey(pixel) && !(red && isRedTint(pixel));
            });
            if (row < 10)
                EXPECT_EQ(colourful, 0) << column << "/" << row;
            else
                EXPECT_GT(colourful, 500) << column << "/" << row;
        }
    }
}

TEST_F(Sheets, BackIsWovenInRedAndBlueInsideAWhiteMargin) {
    const QImage back = cell(0, 13);
    const auto redPixel = [](QRgb p) { return qRed(p) > qBlue(p) + 80; };
    const auto bluePixel = [](QRgb p) { return qBlue(p) > qRed(p) + 80; };
    const QRect pattern(5, 5, cellWidth - 10, cellHeight - 10);
    EXPECT_GT(countPixels(back, pattern, redPixel), 1000);
    EXPECT_GT(countPixels(back, pattern, bluePixel), 1000);
    const QRect margin(1, 1, cellWidth - 2, 3);
    EXPECT_EQ(countPixels(back, margin, [](QRgb p) { return p == white; }), margin.width() * 3);
}

struct BadgeRow {
    const char* name;
    int framedWidth;
};

// In row order: bust, win, lose, natural, push.
constexpr BadgeRow badgeRows[] = {
    {"bust", 57}, {"win", 51}, {"lose", 54}, {"natural", 110}, {"push", 62}};

TEST_F(Sheets, BadgesAreYellowInABlackFrameOnWhite) {
    for (int row = 0; row < 5; ++row) {
        const int width = badgeRows[row].framedWidth;
        const int top = row * badgeHeight;
        const int bottom = top + badgeHeight - 1;
        int yellowPixels = 0;
        int blackPixels = 0;
        for (int y = top; y <= bottom; ++y) {
            for (int x = 0; x < 110; ++x) {
                const QRgb pixel = results.pixel(x, y);
                const bool onFrame = x == 0 || x == width - 1 || y == top || y == bottom;
                if (x >= width)
                    ASSERT_EQ(pixel, white) << badgeRows[row].name << " x " << x << " y " << y;
                else if (onFrame)
                    ASSERT_EQ(pixel, black) << badgeRows[row].name << " x " << x << " y " << y;
                else
                    ASSERT_TRUE(pixel == yellow || pixel == black) << badgeRows[row].name;
                yellowPixels += !onFrame && pixel == yellow;
                blackPixels += !onFrame && pixel == black;
            }
        }
        EXPECT_GT(yellowPixels, blackPixels) << badgeRows[row].name;
        EXPECT_GT(blackPixels, 40) << badgeRows[row].name << " has no lettering";
    }
}

TEST_F(Sheets, WinBadgeCopyEndsOnOneWhiteColumn) {
    for (int y = badgeHeight; y < 2 * badgeHeight; ++y) {
        EXPECT_EQ(results.pixel(50, y), black);
        EXPECT_EQ(results.pixel(51, y), white);
    }
}

TEST_F(Sheets, RegeneratingGivesTheSameBytes) {
    QTemporaryDir again;
    ASSERT_TRUE(runSheetgen(again.path()));
    for (const char* name : {"IDBCARDBITMAP.png", "IDBRESULTSBITMAP.png"}) {
        const QByteArray first = fileBytes(dir->filePath(name));
        EXPECT_FALSE(first.isEmpty()) << name;
        EXPECT_EQ(first, fileBytes(again.filePath(name))) << name;
    }
}

TEST_F(Sheets, FailsOnAMissingDirectory) {
    EXPECT_FALSE(runSheetgen(dir->filePath("no/such/dir")));
}

} // namespace
