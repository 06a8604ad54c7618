#include "platform/surface.h"

#include <QImage>
#include <QString>

Surface::Surface(std::int32_t width, std::int32_t height)
    : image_(std::make_unique<QImage>(width, height, QImage::Format_RGB32)) {
    image_->fill(Qt::black);
}

Surface::Surface(const QImage& image)
    : image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_RGB32))) {}

Surface::~Surface() = default;

std::int32_t Surface::width() const {
    return image_->width();
}
std::int32_t Surface::height() const {
    return image_->height();
}

std::unique_ptr<Surface> loadImageResource(std::string_view name) {
    const QString path = QStringLiteral(":/images/") +
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
                         QStringLiteral(".png");
    const QImage image(path);
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_unique<Surface>(image);
}
