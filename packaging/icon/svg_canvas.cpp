#include "svg_canvas.h"

#include <cstdio>

namespace {
// Shortest plain form of a number, so that the document is the same on every build.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string hex(const Colour& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

// attribute="#rrggbb", with attribute-opacity when the colour is see-through.
void paint(std::ostream& out, const char* attribute, const Colour& colour) {
    out << ' ' << attribute << "=\"" << hex(colour) << '"';
    if (colour.opacity < 1.0) {
        out << ' ' << attribute << "-opacity=\"" << number(colour.opacity) << '"';
    }
}

bool sameColour(const Colour& a, const Colour& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.opacity == b.opacity;
}

void stop(std::ostream& out, double offset, const Colour& colour) {
    out << "      <stop offset=\"" << number(offset) << '"';
    paint(out, "stop-color", colour);
    out << "/>\n";
}
} // namespace

std::ostream& SvgCanvas::line() {
    return body_ << std::string(static_cast<std::size_t>(depth_) * 2, ' ');
}

void SvgCanvas::push(Point origin, double degrees, double scale) {
    line() << "<g transform=\"translate(" << number(origin.x) << ' ' << number(origin.y) << ')';
    if (degrees != 0) {
        body_ << " rotate(" << number(degrees) << ')';
    }
    if (scale != 1) {
        body_ << " scale(" << number(scale) << ')';
    }
    body_ << "\">\n";
    ++depth_;
}

void SvgCanvas::pop() {
    --depth_;
    line() << "</g>\n";
}

void SvgCanvas::box(const RoundedBox& box, const Fill& fill, const Stroke* stroke) {
    line() << "<rect x=\"" << number(box.x) << "\" y=\"" << number(box.y) << "\" width=\""
           << number(box.width) << "\" height=\"" << number(box.height) << "\" rx=\""
           << number(box.radius) << '"';
    if (sameColour(fill.top, fill.bottom)) {
        paint(body_, "fill", fill.top);
    } else {
        const std::string id = "fill" + std::to_string(++gradientCount_);
        gradients_ << "    <linearGradient id=\"" << id
                   << "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" << number(box.y)
                   << "\" x2=\"0\" y2=\"" << number(box.y + box.height) << "\">\n";
        stop(gradients_, 0, fill.top);
        stop(gradients_, 1, fill.bottom);
        gradients_ << "    </linearGradient>\n";
        body_ << " fill=\"url(#" << id << ")\"";
    }
    if (stroke) {
        paint(body_, "stroke", stroke->colour);
        body_ << " stroke-width=\"" << number(stroke->width) << '"';
    }
    body_ << "/>\n";
}

void SvgCanvas::shape(const Outline& outline, const Colour& colour) {
    line() << "<path d=\"";
    const char* separator = "";
    for (const Segment& segment : outline) {
        body_ << separator << segment.command;
        separator = " ";
        const int count = segment.command == 'C' ? 3 : segment.command == 'Z' ? 0 : 1;
        for (int i = 0; i < count; ++i) {
            body_ << ' ' << number(segment.points[i].x) << ',' << number(segment.points[i].y);
        }
    }
    body_ << '"';
    paint(body_, "fill", colour);
    body_ << "/>\n";
}

std::string SvgCanvas::document() const {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << iconSpace << "\" height=\""
        << iconSpace << "\" viewBox=\"0 0 " << iconSpace << ' ' << iconSpace << "\">\n";
    const std::string gradients = gradients_.str();
    if (!gradients.empty()) {
        out << "  <defs>\n" << gradients << "  </defs>\n";
    }
    out << body_.str() << "</svg>\n";
    return out.str();
}

std::string iconSvg() {
    SvgCanvas canvas;
    drawIcon(canvas);
    return canvas.document();
}
