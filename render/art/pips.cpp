#include "render/art/pips.h"

#include "render/art/suits.h"

#include <vector>

namespace {

// Pip centres in cell pixels: three columns, rows from top to bottom row.
constexpr double leftColumn = 24.5;
constexpr double middleColumn = 35.5;
constexpr double rightColumn = 46.5;
constexpr double topRow = 17.5;
constexpr double bottomRow = 78.5;
constexpr double pipWidth = 12.0;
constexpr double pipHeight = 13.0;
constexpr double aceWidth = 34.0;
constexpr double aceHeight = 38.0;

struct PipSpot {
    int column; // 0 left, 1 middle, 2 right
    int row;    // in twelfths of the way from the top row (0) to the bottom row (12)
};

const std::vector<PipSpot>& spotsFor(int rank) {
    static const std::vector<PipSpot> layouts[] = {
        {},
        {{1, 0}, {1, 12}},
        {{1, 0}, {1, 6}, {1, 12}},
        {{0, 0}, {2, 0}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {0, 6}, {2, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}, {1, 9}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {0, 4}, {2, 4}, {1, 6}, {0, 8}, {2, 8}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 2}, {0, 4}, {2, 4}, {0, 8}, {2, 8}, {1, 10}, {0, 12}, {2, 12}},
    };
    return layouts[rank - 1];
}

QPointF spotCentre(const PipSpot& spot) {
    const double columns[] = {leftColumn, middleColumn, rightColumn};
    return {columns[spot.column], topRow + spot.row * (bottomRow - topRow) / 12.0};
}

void drawPip(QPainter& painter, Suit suit, QPointF centre, double width, double height,
             bool inverted) {
    const QRectF box(centre.x() - width / 2, centre.y() - height / 2, width, height);
    painter.fillPath(inverted ? invertedSuitPath(suit, box) : suitPath(suit, box), suitColor(suit));
}

} // namespace

void drawPips(QPainter& painter, const QRect& cell, Suit suit, int rank) {
    const QPointF origin = cell.topLeft();
    const QPointF middle(middleColumn, cell.height() / 2.0);
    if (rank == 1) {
        drawPip(painter, suit, origin + middle, aceWidth, aceHeight, false);
        return;
    }
    for (const PipSpot& spot : spotsFor(rank)) {
        const QPointF centre = spotCentre(spot);
        drawPip(painter, suit, origin + centre, pipWidth, pipHeight, centre.y() > middle.y());
    }
}
