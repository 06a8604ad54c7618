#pragma once

#include "raster/surface.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

// A sheet of sprites: the picture at one device pixel a pixel, and the art that draws any sprite
// of it again, known by its number, to fill a given number of device pixels, for surfaces at other
// device pixel ratios. Sprites drawn again are kept for the next copy of the same sprite at the
// same size. The picture is made when it is first needed: a screen at another ratio may never
// need it.
class SpriteSheet {
  public:
    // Makes the picture; called once, on its first use.
    using PictureLoader = std::function<std::unique_ptr<Surface>()>;
    // Draws the sprite to fill an image of the given device size; `sheet` is the sheet drawn from.
    using SpritePainter = std::function<QImage(const SpriteSheet& sheet, std::int32_t sprite,
                                               std::int32_t width, std::int32_t height)>;

    SpriteSheet(PictureLoader loadPicture, SpritePainter paintSprite);

    const Surface& picture() const;
    // The sprite at that device size, drawn on first use.
    const QImage& spriteAt(std::int32_t sprite, std::int32_t width, std::int32_t height);
    // Drops every sprite drawn so far, e.g. when the screen's device pixel ratio changes.
    void forgetSprites() { drawn_.clear(); }

  private:
    using Key = std::tuple<std::int32_t, std::int32_t, std::int32_t>;
    PictureLoader loadPicture_;
    mutable std::unique_ptr<Surface> picture_;
    SpritePainter paintSprite_;
    std::map<Key, QImage> drawn_;
};

// An opaque copy of a sprite, the logical rectangle `part` of the sheet, to `topLeft` in `target`,
// clipped to the target: a block copy from the picture at one device pixel a pixel, else the
// sprite drawn at the device size of the logical rectangle it lands on.
void copySprite(Surface& target, QPoint topLeft, SpriteSheet& sheet, std::int32_t sprite,
                const QRect& part);
