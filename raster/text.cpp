#include "raster/text.h"

#include "raster/device_painter.h"
#include "raster/embedded_font.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>
#include <optional>

namespace {
struct TextFonts {
    QFont pixels;        // one device pixel a pixel
    QFont smooth;        // any other device pixel ratio
    std::int32_t ascent; // of the pixel font: where the baseline lies below the cell's top
};

std::optional<TextFonts>& textFonts() {
    static std::optional<TextFonts> fonts;
    return fonts;
}

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void drawPixelText(Surface& target, PixelPoint cellTopLeft, const QString& text) {
    const QFont& font = textFonts()->pixels;
    QPainter painter(&target.image());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, &target.image());
    painter.drawText(QPoint(cellTopLeft.x, cellTopLeft.y + metrics.ascent()), text);
}

// The baseline lies where it lies at one device pixel a pixel, on a whole device pixel.
void drawSmoothText(Surface& target, PixelPoint cellTopLeft, const QString& text) {
    const double scale = target.scale();
    const std::int32_t ascent = textFonts()->ascent;
    DevicePainter device(target);
    QPainter& painter = device.painter();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(toDevice(cellTopLeft.x, scale), toDevice(cellTopLeft.y + ascent, scale));
    painter.scale(scale, scale);
    painter.setFont(textFonts()->smooth);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, 0), text);
}
} // namespace

bool loadTextFont() {
    if (textFonts()) {
        return true;
    }
    QString error;
    const QString family = embeddedFontFamily(QStringLiteral(":/fonts/DejaVuSans.ttf"), error);
    if (family.isEmpty()) {
        return false;
    }
    QFont font(family);
    font.setPixelSize(textPixelSize);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setKerning(false);
    QFont smooth = font;
    // Plain black pixels, hinted to the pixel grid: the same picture whatever the desktop's
    // smoothing settings, and only two colours where text meets the table.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    // Grey smoothing without hinting, as the window system draws text at a scaled resolution;
    // never coloured sub-pixels, which would not survive the copy to the screen.
    smooth.setStyleStrategy(QFont::StyleStrategy(
        QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    smooth.setHintingPreference(QFont::PreferNoHinting);
    textFonts() = TextFonts{font, smooth, QFontMetrics(font).ascent()};
    return true;
}

void drawText(Surface& target, PixelPoint cellTopLeft, std::string_view text) {
    if (!textFonts()) {
        return;
    }
    if (target.scale() == 1.0) {
        drawPixelText(target, cellTopLeft, toQString(text));
    } else {
        drawSmoothText(target, cellTopLeft, toQString(text));
    }
}

std::int32_t textAdvance(std::string_view text) {
    if (!textFonts()) {
        return 0;
    }
    return QFontMetrics(textFonts()->pixels).horizontalAdvance(toQString(text));
}
