#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

// The fixed layout of the table, its buttons and the window: every rectangle and position of
// them is written here once, or derived here from what is. Pixels of the back buffer, x to the
// right and y downward; the back buffer is shown at the top-left of the window's area below the
// menu bar, so they are also that area's coordinates. The round logic names the rectangles it
// has the window repaint, so the layout lives beside it, free of any drawing library.

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// Right and bottom edges are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

constexpr Point offset(Point origin, std::int32_t dx, std::int32_t dy) {
    return {origin.x + dx, origin.y + dy};
}

constexpr Rect rectAt(Point topLeft, std::int32_t width, std::int32_t height) {
    return {topLeft.x, topLeft.y, topLeft.x + width, topLeft.y + height};
}

namespace TableLayout {

inline constexpr std::int32_t windowWidth = 600;  // outer width of the main window
inline constexpr std::int32_t windowHeight = 460; // outer height of the main window
inline constexpr std::int32_t backBufferWidth = 800;
inline constexpr std::int32_t backBufferHeight = 600;

// The card area, cleared before each deal; the panels below it and the buttons survive that.
inline constexpr Rect tableRect{0, 0, windowWidth, 340};
inline constexpr Point dealerLabel{10, 5};
inline constexpr Point playerLabel{10, 145};
inline constexpr Point splitLabel{300, 155};
// The top-left of each hand's first card.
inline constexpr Point dealerOrigin{10, 30};
inline constexpr Point playerOrigin{10, 170};
inline constexpr Point splitOrigin{300, 170};
// How far left of the other badges the player's natural badge sits.
inline constexpr std::int32_t naturalBadgeShift = 17;

// The count panel: a row for each count, its label then its figure.
inline constexpr Rect countRect{0, 275, 150, 340};
inline constexpr std::int32_t countLabelColumn = countRect.left + 10;
inline constexpr std::int32_t countFigureColumn = countRect.left + 120;
inline constexpr std::int32_t countRowStep = 20;

// The Current Bet panel: its label, then the figure.
inline constexpr Point betPanelOrigin{325, 340};
inline constexpr Rect betRect = rectAt(betPanelOrigin, 125, 15);
inline constexpr Point betFigure = offset(betPanelOrigin, 85, 0);

// The Money box: the label, the bank figure and the rectangle cleared behind it, inside an open
// frame of 2-pixel white lines through the points below in order; the gap in the frame's top
// edge holds the label, and its left edge rises one pixel above the top edge.
inline constexpr Point moneyBoxOrigin{490, 335};
inline constexpr Point moneyLabel = offset(moneyBoxOrigin, 10, 5);
inline constexpr Point moneyFigure = offset(moneyBoxOrigin, 18, 29);
inline constexpr Rect moneyRect = rectAt(offset(moneyBoxOrigin, 15, 25), 40, 25);
inline constexpr std::array<Point, 6> moneyFrame{
    offset(moneyBoxOrigin, 58, 14), offset(moneyBoxOrigin, 65, 14), offset(moneyBoxOrigin, 65, 60),
    offset(moneyBoxOrigin, 0, 60),  offset(moneyBoxOrigin, 0, 13),  offset(moneyBoxOrigin, 5, 14)};

// The five play buttons in columns 100 apart and rows 35 apart from the Deal button's place; the
// four bet buttons in a 2 x 2 block under the Current Bet panel.
inline constexpr Point buttonOrigin{10, 340};
constexpr Rect playButton(std::int32_t column, std::int32_t row) {
    return rectAt(offset(buttonOrigin, 100 * column, 35 * row), 95, 25);
}
constexpr Rect betButton(std::int32_t column, std::int32_t row) {
    return rectAt(offset(betPanelOrigin, 75 * column, 25 + 23 * row), 70, 18);
}
inline constexpr Rect dealButton = playButton(0, 0);
inline constexpr Rect hitButton = playButton(1, 0);
inline constexpr Rect standButton = playButton(2, 0);
inline constexpr Rect doubleButton = playButton(1, 1);
inline constexpr Rect splitButton = playButton(2, 1);
inline constexpr Rect betOneButton = betButton(0, 0);
inline constexpr Rect betTenButton = betButton(1, 0);
inline constexpr Rect betFiveButton = betButton(0, 1);
inline constexpr Rect clearButton = betButton(1, 1);

// What must be in view of the table: up to the Money box's right edge (a 2-pixel line covers the
// pixel before its points and theirs) and down to the lower bet buttons.
inline constexpr Rect inView{0, 0, moneyFrame[1].x + 1,
                             std::max(moneyFrame[2].y + 1, clearButton.bottom)};

// A right-to-left language sees the table mirrored about the middle of the card area's width:
// each rectangle at the mirror image of its place, each text ending where it would begin, the
// hands fanning out from the right. What a rectangle holds is not mirrored: a card's face, a
// badge, the digits of a figure.
enum class Direction : std::uint8_t { leftToRight, rightToLeft };
inline constexpr std::int32_t mirrorWidth = tableRect.right;

// A position on the x axis, such as a line's point or the edge of a rectangle.
constexpr std::int32_t mirroredX(std::int32_t x, Direction direction) {
    return direction == Direction::rightToLeft ? mirrorWidth - x : x;
}
constexpr Point mirrored(Point point, Direction direction) {
    return {mirroredX(point.x, direction), point.y};
}
constexpr Rect mirrored(Rect rect, Direction direction) {
    return {std::min(mirroredX(rect.left, direction), mirroredX(rect.right, direction)), rect.top,
            std::max(mirroredX(rect.left, direction), mirroredX(rect.right, direction)),
            rect.bottom};
}
// The top-left of something `width` wide whose top-left is `topLeft` left to right.
constexpr Point mirroredTopLeft(Point topLeft, std::int32_t width, Direction direction) {
    const Rect place = mirrored(rectAt(topLeft, width, 0), direction);
    return {place.left, topLeft.y};
}

// What must be in view of the mirrored table: up to the right edge of the mirrored hands, their
// labels and the Deal button.
constexpr Rect inViewFor(Direction direction) {
    return direction == Direction::rightToLeft
               ? Rect{0, 0, mirroredX(buttonOrigin.x, direction), inView.bottom}
               : inView;
}

} // namespace TableLayout
