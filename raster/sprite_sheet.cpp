#include "raster/sprite_sheet.h"

#include "raster/device_painter.h"
#include "raster/drawing.h"

SpriteSheet::SpriteSheet(PictureLoader loadPicture, SpritePainter paintSprite)
    : loadPicture_(std::move(loadPicture)), paintSprite_(std::move(paintSprite)) {}

const Surface& SpriteSheet::picture() const {
    if (!picture_) {
        picture_ = loadPicture_();
    }
    return *picture_;
}

const QImage& SpriteSheet::spriteAt(std::int32_t sprite, std::int32_t width, std::int32_t height) {
    const Key key{sprite, width, height};
    auto found = drawn_.find(key);
    if (found == drawn_.end()) {
        found = drawn_.emplace(key, paintSprite_(*this, sprite, width, height)).first;
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
