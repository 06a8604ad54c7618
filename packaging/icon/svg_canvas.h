// Writes the icon design as an SVG document.
#pragma once

#include "icon_design.h"

#include <sstream>
#include <string>

class SvgCanvas : public Canvas {
  public:
    void push(Point origin, double degrees, double scale) override;
    void pop() override;
    void box(const RoundedBox& box, const Fill& fill, const Stroke* stroke) override;
    void shape(const Outline& outline, const Colour& colour) override;

    // The whole document: the gradients used so far, then the shapes.
    std::string document() const;

  private:
    std::ostringstream gradients_;
    std::ostringstream body_;
    int depth_ = 1;
    int gradientCount_ = 0;

    std::ostream& line();
};

std::string iconSvg();
