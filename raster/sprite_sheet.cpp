#include "raster/sprite_sheet.h"

#include "raster/device_painter.h"
#include "raster/drawing.h"

SpriteSheet::SpriteSheet(std::unique_ptr<Surface> picture, SpritePainter paintSprite)
    : picture_(std::move(picture)), paintSprite_(std::move(paintSprite)) {}

const QImage& SpriteSheet::spriteAt(std::int32_t sprite, std::int32_t width, std::int32_t height) {
    const Key key{sprite, width, height};
    auto found = drawn_.find(key);
    if (found == drawn_.end()) {
        found = drawn_.emplace(key, paintSprite_(sprite, width, height)).first;
    }
    return found->second;
}

void copySprite(Surface& target, QPoint topLeft, SpriteSheet& sheet, std::int32_t sprite,
                const QRect& part) {
    if (target.scale() == 1.0) {
        copyBlock(target, topLeft, sheet.picture(), part);
        return;
    }
    const QRect device = deviceRect(QRect(topLeft, part.size()), target.scale());
    if (device.isEmpty()) {
        return;
    }
    const QImage& drawn = sheet.spriteAt(sprite, device.width(), device.height());
    DevicePainter painter(target);
    painter.painter().setCompositionMode(QPainter::CompositionMode_Source);
    painter.painter().drawImage(device.topLeft(), drawn);
}
