#include "platform/sprite_sheet.h"

#include "platform/device_painter.h"
#include "platform/drawing.h"

SpriteSheet::SpriteSheet(std::unique_ptr<Surface> picture, PartPainter paintPart)
    : picture_(std::move(picture)), paintPart_(std::move(paintPart)) {}

const QImage& SpriteSheet::partAt(PixelRect part, std::int32_t width, std::int32_t height) {
    const Key key{part.left, part.top, part.right, part.bottom, width, height};
    auto found = parts_.find(key);
    if (found == parts_.end()) {
        found = parts_.emplace(key, paintPart_(part, width, height)).first;
    }
    return found->second;
}

void copySprite(Surface& target, PixelPoint topLeft, SpriteSheet& sheet, PixelRect part) {
    if (target.scale() == 1.0) {
        copyBlock(target, topLeft, sheet.picture(), part);
        return;
    }
    const PixelRect landing{topLeft.x, topLeft.y, topLeft.x + part.right - part.left,
                            topLeft.y + part.bottom - part.top};
    const QRect device = deviceRect(landing, target.scale());
    if (device.isEmpty()) {
        return;
    }
    const QImage& drawn = sheet.partAt(part, device.width(), device.height());
    DevicePainter painter(target);
    painter.painter().setCompositionMode(QPainter::CompositionMode_Source);
    painter.painter().drawImage(device.topLeft(), drawn);
}
