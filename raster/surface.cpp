#include "raster/surface.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <cmath>

std::int32_t toDevice(std::int32_t logical, double scale) {
    return static_cast<std::int32_t>(std::floor(logical * scale + 0.5));
}

Surface::Surface(std::int32_t width, std::int32_t height, double scale, Rgb colour)
    : width_(width), height_(height), scale_(scale),
      image_(std::make_unique<QImage>(toDevice(width, scale), toDevice(height, scale),
                                      QImage::Format_RGB32)) {
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
