#pragma once

#include "platform/surface.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

// A sheet of sprites: the picture at one device pixel a pixel, and the art that draws any part of
// it again to fill a given number of device pixels, for surfaces at other device pixel ratios.
// Parts drawn again are kept for the next copy of the same part at the same size.
class SpriteSheet {
  public:
    // Draws the logical part of the sheet to fill an image of the given device size.
    using PartPainter =
        std::function<QImage(PixelRect part, std::int32_t width, std::int32_t height)>;

    SpriteSheet(std::unique_ptr<Surface> picture, PartPainter paintPart);

    const Surface& picture() const { return *picture_; }
    // The part at that device size, drawn on first use.
    const QImage& partAt(PixelRect part, std::int32_t width, std::int32_t height);
    // Drops every part drawn so far, e.g. when the screen's device pixel ratio changes.
    void forgetParts() { parts_.clear(); }

  private:
    using Key = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                           std::int32_t>;
    std::unique_ptr<Surface> picture_;
    PartPainter paintPart_;
    std::map<Key, QImage> parts_;
};

// An opaque copy of a part of the sheet to `topLeft` in `target`, clipped to the target: a block
// copy from the picture at one device pixel a pixel, else the part drawn at the device size of
// the logical rectangle it lands on.
void copySprite(Surface& target, PixelPoint topLeft, SpriteSheet& sheet, PixelRect part);
