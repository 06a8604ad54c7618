#include "raster/surface.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

std::int32_t toDevice(std::int32_t logical, double scale) {
    return static_cast<std::int32_t>(std::floor(logical * scale + 0.5));
}

namespace {
constexpr std::size_t hugePage = std::size_t(2) << 20;

std::size_t pageSize() {
    return static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// The pixels of a picture of some megabytes, as the back buffer at twice the pixels: mapped at a
// boundary of the processor's large pages, so that filling it takes a few page faults for each
// whole 2 MB rather than one for every 4 kB. The length of the mapping is kept in the page before
// the pixels. An empty image when the mapping fails; QImage's own memory is used then.
QImage largeImage(std::int32_t width, std::int32_t height) {
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(std::max(height, 0));
    if (width <= 0 || height <= 0 || bytes < 2 * hugePage) {
        return {};
    }
    const std::size_t page = pageSize();
    const std::size_t length = bytes + page + hugePage;
    void* mapped =
        mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        return {};
    }
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    // the pixels begin at the first large-page boundary with room for the length before them
    const std::uintptr_t pixelsAt = (start + page + hugePage - 1) & ~(hugePage - 1);
    // what lies before the header page and after the pixels is given back
    const std::uintptr_t headerAt = pixelsAt - page;
    const std::uintptr_t end = (pixelsAt + bytes + page - 1) & ~(page - 1);
    if (headerAt > start) {
        munmap(mapped, headerAt - start);
    }
    if (start + length > end) {
        munmap(reinterpret_cast<void*>(end), start + length - end);
    }
    auto* pixels = reinterpret_cast<uchar*>(pixelsAt);
    reinterpret_cast<std::size_t*>(pixels)[-1] = end - headerAt;
    // only whole large pages: the tail stays in small pages, no more resident than it needs
    madvise(pixels, bytes & ~(hugePage - 1), MADV_HUGEPAGE);
    return QImage(
        pixels, width, height, bytesPerLine, QImage::Format_RGB32,
        [](void* info) {
            auto* at = static_cast<uchar*>(info);
            munmap(at - pageSize(), reinterpret_cast<const std::size_t*>(at)[-1]);
        },
        pixels);
}

QImage deviceImage(std::int32_t width, std::int32_t height) {
    QImage image = largeImage(width, height);
    return image.isNull() ? QImage(width, height, QImage::Format_RGB32) : image;
}
} // namespace

Surface::Surface(std::int32_t width, std::int32_t height, double scale, Rgb colour)
    : width_(width), height_(height), scale_(scale),
      image_(
          std::make_unique<QImage>(deviceImage(toDevice(width, scale), toDevice(height, scale)))) {
    image_->setDevicePixelRatio(scale);
    image_->fill(QColor(colour.red, colour.green, colour.blue));
}

Surface::Surface(const QImage& image)
    : width_(image.width()), height_(image.height()), scale_(1.0),
      image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_RGB32))) {
    image_->setDevicePixelRatio(1.0);
}

Surface::~Surface() = default;

namespace {
QString imageResourcePath(std::string_view name) {
    return QStringLiteral(":/images/") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".png");
}
} // namespace

QSize imageResourceSize(std::string_view name) {
    QImageReader reader(imageResourcePath(name));
    return reader.canRead() ? reader.size() : QSize();
}

std::unique_ptr<Surface> loadImageResource(std::string_view name) {
    const QImage image(imageResourcePath(name));
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_unique<Surface>(image);
}
