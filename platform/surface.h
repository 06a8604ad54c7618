#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class QImage;

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Right and bottom edges are exclusive.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// An off-screen 32-bit RGB image that the drawing operations draw into.
class Surface {
  public:
    Surface(std::int32_t width, std::int32_t height); // starts black
    explicit Surface(const QImage& image);            // a copy, converted to 32-bit RGB
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    std::int32_t width() const;
    std::int32_t height() const;
    const QImage& image() const { return *image_; }
    QImage& image() { return *image_; }

  private:
    std::unique_ptr<QImage> image_;
};

// The embedded image resource of that name (e.g. "IDBCARDBITMAP"), or null when there is none.
std::unique_ptr<Surface> loadImageResource(std::string_view name);
