#include "icon_design.h"

namespace {
// Both suit shapes span about -1..1 on each axis and are scaled where they are used.
const Outline heart = {
    {'M', {{0, 0.9}}},
    {'C', {{-0.25, 0.68}, {-1, 0.2}, {-1, -0.38}}},
    {'C', {{-1, -0.75}, {-0.72, -0.95}, {-0.45, -0.95}}},
    {'C', {{-0.22, -0.95}, {-0.06, -0.82}, {0, -0.6}}},
    {'C', {{0.06, -0.82}, {0.22, -0.95}, {0.45, -0.95}}},
    {'C', {{0.72, -0.95}, {1, -0.75}, {1, -0.38}}},
    {'C', {{1, 0.2}, {0.25, 0.68}, {0, 0.9}}},
    {'Z', {}},
};

const Outline spade = {
    {'M', {{0, -0.95}}},
    {'C', {{-0.25, -0.72}, {-0.95, -0.28}, {-0.95, 0.15}}},
    {'C', {{-0.95, 0.48}, {-0.7, 0.65}, {-0.45, 0.65}}},
    {'C', {{-0.25, 0.65}, {-0.1, 0.55}, {-0.05, 0.42}}},
    {'C', {{-0.08, 0.65}, {-0.18, 0.82}, {-0.32, 0.95}}},
    {'L', {{0.32, 0.95}}},
    {'C', {{0.18, 0.82}, {0.08, 0.65}, {0.05, 0.42}}},
    {'C', {{0.1, 0.55}, {0.25, 0.65}, {0.45, 0.65}}},
    {'C', {{0.7, 0.65}, {0.95, 0.48}, {0.95, 0.15}}},
    {'C', {{0.95, -0.28}, {0.25, -0.72}, {0, -0.95}}},
    {'Z', {}},
};

constexpr Colour tableTop{47, 154, 82};
constexpr Colour tableBottom{23, 102, 58};
constexpr Colour tableEdge{15, 77, 42};
constexpr Colour shadow{0, 0, 0, 0.28};
constexpr Colour paper{251, 251, 248};
constexpr Colour ink{43, 43, 43};
constexpr Colour red{212, 42, 42};
constexpr Colour black{29, 29, 29};

constexpr RoundedBox card{-48, -68, 96, 136, 12};

void suit(Canvas& canvas, const Outline& outline, const Colour& colour, Point at, double degrees,
          double size) {
    canvas.push(at, degrees, size);
    canvas.shape(outline, colour);
    canvas.pop();
}

// A card centred on the origin with a large suit sign placed at 'large' and small ones in two
// opposite corners.
void cardWithSuit(Canvas& canvas, Point centre, double degrees, const Outline& outline,
                  const Colour& colour, Point large) {
    canvas.push({centre.x + 4, centre.y + 5}, degrees, 1);
    canvas.box(card, {shadow, shadow}, nullptr);
    canvas.pop();

    canvas.push(centre, degrees, 1);
    const Stroke edge{ink, 3};
    canvas.box(card, {paper, paper}, &edge);
    suit(canvas, outline, colour, large, 0, 24);
    suit(canvas, outline, colour, {-33, -51}, 0, 8);
    suit(canvas, outline, colour, {33, 51}, 180, 8);
    canvas.pop();
}
} // namespace

void drawIcon(Canvas& canvas) {
    const Stroke edge{tableEdge, 4};
    canvas.box({14, 14, 228, 228, 44}, {tableTop, tableBottom}, &edge);
    // The card behind leans left and shows its spade above the front card's edge.
    cardWithSuit(canvas, {100, 120}, -12, spade, black, {-16, -26});
    cardWithSuit(canvas, {154, 138}, 10, heart, red, {0, 2});
}
