#include "back.h"

#include "sheet_layout.h"

namespace {

constexpr int margin = 4;   // white between the frame and the pattern
constexpr int crossing = 6; // one crossing: a strand four pixels wide with a gap on each side

struct Shades {
    QColor light;
    QColor base;
    QColor dark;
};
const Shades red{{245, 110, 110}, {205, 30, 40}, {125, 10, 20}};
const Shades blue{{110, 150, 240}, {35, 70, 185}, {15, 30, 105}};
const QColor gap(255, 255, 255);

// Where a strand passes over the crossing it is lit along one edge and shaded along the other;
// where it passes under, only its dipping part shows, in the dark shade.
QColor strandPixel(const Shades& shades, int across, bool onTop) {
    if (!onTop)
        return shades.dark;
    if (across == 1)
        return shades.light;
    return across == crossing - 2 ? shades.dark : shades.base;
}

// Plain weave: red strands run across, blue strands run down, and they take turns on top.
QColor weavePixel(int x, int y) {
    const int column = x % crossing;
    const int row = y % crossing;
    const bool inRed = row > 0 && row < crossing - 1;
    const bool inBlue = column > 0 && column < crossing - 1;
    const bool redOnTop = ((x / crossing) + (y / crossing)) % 2 == 0;
    if (inRed && (redOnTop || !inBlue))
        return strandPixel(red, row, redOnTop || !inBlue);
    if (inBlue)
        return strandPixel(blue, column, !redOnTop || !inRed);
    return gap;
}

} // namespace

void drawCardBack(QImage& sheet, const QRect& cell) {
    const QRect border = cell.adjusted(margin, margin, -margin, -margin);
    const QRect pattern = border.adjusted(1, 1, -1, -1);
    for (int x = border.left(); x <= border.right(); ++x) {
        sheet.setPixelColor(x, border.top(), blue.dark);
        sheet.setPixelColor(x, border.bottom(), blue.dark);
    }
    for (int y = border.top(); y <= border.bottom(); ++y) {
        sheet.setPixelColor(border.left(), y, blue.dark);
        sheet.setPixelColor(border.right(), y, blue.dark);
    }
    // Centre the weave so the pattern is cut the same on opposite sides.
    const int offsetX = (crossing - pattern.width() % crossing) / 2;
    const int offsetY = (crossing - pattern.height() % crossing) / 2;
    for (int y = pattern.top(); y <= pattern.bottom(); ++y) {
        for (int x = pattern.left(); x <= pattern.right(); ++x) {
            sheet.setPixelColor(
                x, y, weavePixel(x - pattern.left() + offsetX, y - pattern.top() + offsetY));
        }
    }
}
