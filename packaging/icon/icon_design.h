// The application icon as drawing calls on a canvas, in a 256 x 256 space, so that the PNG
// sizes and the scalable SVG come from one description.
#pragma once

#include <cstdint>
#include <vector>

struct Point {
    double x;
    double y;
};

// One step of an outline, in the SVG path sense: 'M' and 'L' use the first point, 'C' all three
// (two control points, then the end), 'Z' none.
struct Segment {
    char command;
    Point points[3];
};
using Outline = std::vector<Segment>;

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    double opacity = 1.0;
};

// A vertical gradient from the top to the bottom of the shape; a plain fill has top == bottom.
struct Fill {
    Colour top;
    Colour bottom;
};

struct Stroke {
    Colour colour;
    double width;
};

struct RoundedBox {
    double x;
    double y;
    double width;
    double height;
    double radius;
};

class Canvas {
  public:
    virtual ~Canvas() = default;
    // Moves the origin, then turns by degrees (clockwise on screen), then scales: the order of
    // an SVG transform="translate() rotate() scale()".
    virtual void push(Point origin, double degrees, double scale) = 0;
    virtual void pop() = 0;
    virtual void box(const RoundedBox& box, const Fill& fill, const Stroke* stroke) = 0;
    virtual void shape(const Outline& outline, const Colour& colour) = 0;
};

inline constexpr int iconSpace = 256;

void drawIcon(Canvas& canvas);
