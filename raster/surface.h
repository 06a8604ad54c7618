#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class QImage;
class QSize;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The device pixel edge of a logical pixel edge at a device pixel ratio. Every drawing
// operation maps its logical rectangle edge by edge through this, so the same logical rectangle
// always covers the same device pixels and neighbouring rectangles meet without a gap.
std::int32_t toDevice(std::int32_t logical, double scale);

// An off-screen 32-bit RGB image that the drawing operations draw into. Its size and every
// coordinate given to the operations are logical pixels; behind each stand `scale` device pixels
// each way (the screen's device pixel ratio), and the image carries that ratio for painting.
class Surface {
  public:
    // filled with `colour`, black unless given
    Surface(std::int32_t width, std::int32_t height, double scale = 1.0, Rgb colour = {});
    explicit Surface(const QImage& image); // a copy at one device pixel a pixel, 32-bit RGB
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    double scale() const { return scale_; }
    const QImage& image() const { return *image_; }
    QImage& image() { return *image_; }

  private:
    std::int32_t width_;
    std::int32_t height_;
    double scale_;
    std::unique_ptr<QImage> image_;
};

// The embedded image resource of that name (e.g. "IDBCARDBITMAP"), or null when there is none.
std::unique_ptr<Surface> loadImageResource(std::string_view name);
// Its size, read from its header without decoding it; empty when there is none.
QSize imageResourceSize(std::string_view name);
