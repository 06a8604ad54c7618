#include "raster/text.h"

#include "raster/device_painter.h"
#include "raster/embedded_font.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
struct TextFonts {
    QFont pixels;        // one device pixel a pixel
    QFont smooth;        // any other device pixel ratio
    std::int32_t ascent; // of the pixel font: where the baseline lies below the cell's top
    // Of the pixel font, with a pixel to spare for the smoothed one, whose letters are not fitted
    // to the grid (measuring that font itself would load it on screens that never use it):
    std::int32_t height;    // from the cell's top to the lowest pixel of any letter
    std::int32_t widest;    // the widest advance of a printable ASCII letter
    std::int32_t widestAny; // the widest advance of any letter
};

// Smoothed letters reach a little past their advance and their cell.
constexpr std::int32_t inkMargin = 2;

std::optional<TextFonts>& textFonts() {
    static std::optional<TextFonts> fonts;
    return fonts;
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

using GlyphRuns = QList<QGlyphRun>;

// A text's letters as the font places them, from the baseline's start: laid out once, they are
// drawn again without being shaped again. The panels' figures change; past this many texts the
// layouts are forgotten and laid out anew.
constexpr qsizetype mostLaidOut = 256;

struct LaidOut {
    QHash<QString, GlyphRuns> pixels;
    QHash<QString, GlyphRuns> smooth;
};

// The layouts hold the application's font engines: they go with the application object.
LaidOut& laidOutTexts() {
    static LaidOut texts;
    static const bool forgottenAtExit = [] {
        qAddPostRoutine([] { laidOutTexts() = {}; });
        return true;
    }();
    (void)forgottenAtExit;
    return texts;
}

const GlyphRuns& laidOut(const QFont& font, const QString& text, QHash<QString, GlyphRuns>& kept,
                         QPaintDevice& device) {
    if (const auto found = kept.constFind(text); found != kept.constEnd()) {
        return *found;
    }
    if (kept.size() >= mostLaidOut) {
        kept.clear();
    }
    QTextLayout layout(text, font, &device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    GlyphRuns runs = layout.glyphRuns();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions) {
            position.ry() -= line.ascent();
        }
        run.setPositions(positions);
    }
    return *kept.insert(text, std::move(runs));
}

void drawRuns(QPainter& painter, QPointF baseline, const GlyphRuns& runs) {
    for (const QGlyphRun& run : runs) {
        painter.drawGlyphRun(baseline, run);
    }
}

void drawPixelText(Surface& target, QPoint cellTopLeft, const QString& text) {
    const QFont& font = textFonts()->pixels;
    QPainter painter(&target.image());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    drawRuns(painter, QPointF(cellTopLeft.x(), cellTopLeft.y() + textFonts()->ascent),
             laidOut(font, text, laidOutTexts().pixels, target.image()));
}

// The baseline lies where it lies at one device pixel a pixel, on a whole device pixel.
void drawSmoothText(Surface& target, QPoint cellTopLeft, const QString& text) {
    const double scale = target.scale();
    const std::int32_t ascent = textFonts()->ascent;
    DevicePainter device(target);
    QPainter& painter = device.painter();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(toDevice(cellTopLeft.x(), scale), toDevice(cellTopLeft.y() + ascent, scale));
    painter.scale(scale, scale);
    painter.setFont(textFonts()->smooth);
    painter.setPen(Qt::black);
    drawRuns(painter, QPointF(0, 0),
             laidOut(textFonts()->smooth, text, laidOutTexts().smooth, target.image()));
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
    const QFontMetrics pixelMetrics(font);
    std::int32_t widest = 0;
    for (char16_t letter = u' '; letter <= u'~'; ++letter) {
        widest = std::max(widest, pixelMetrics.horizontalAdvance(QChar(letter)));
    }
    textFonts() = TextFonts{font,
                            smooth,
                            pixelMetrics.ascent(),
                            pixelMetrics.height() + 1,
                            widest + 1,
                            pixelMetrics.maxWidth() + 1};
    return true;
}

void drawText(Surface& target, QPoint cellTopLeft, std::string_view text) {
    if (!textFonts()) {
        return;
    }
    if (target.scale() == 1.0) {
        drawPixelText(target, cellTopLeft, toQString(text));
    } else {
        drawSmoothText(target, cellTopLeft, toQString(text));
    }
}

QRect textBounds(QPoint cellTopLeft, std::string_view text) {
    if (!textFonts()) {
        return {cellTopLeft, QSize(0, 0)};
    }
    std::int32_t width = 0;
    for (const char letter : text) {
        width += letter >= ' ' && letter <= '~' ? textFonts()->widest : textFonts()->widestAny;
    }
    return QRect(cellTopLeft, QSize(width, textFonts()->height))
        .adjusted(-inkMargin, -inkMargin, inkMargin, inkMargin);
}
