#include "raster/text.h"

#include "raster/device_painter.h"
#include "raster/embedded_font.h"
#include "raster/script_font.h"

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
    std::int32_t height; // from the cell's top to the lowest pixel of any letter
    std::int32_t widest; // the widest advance of a printable ASCII letter
    // How far the script font's letters reach above the cell's top; none without a script font.
    std::int32_t above = 0;
    QString script; // the script font drawing in place of the embedded one, or none
};

// Smoothed letters reach a little past their advance and their cell.
constexpr std::int32_t inkMargin = 2;

std::optional<TextFonts>& textFonts() {
    static std::optional<TextFonts> fonts;
    return fonts;
}

const TextFonts* currentFonts();

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
    const QFont& font = currentFonts()->pixels;
    QPainter painter(&target.image());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    drawRuns(painter, QPointF(cellTopLeft.x(), cellTopLeft.y() + currentFonts()->ascent),
             laidOut(font, text, laidOutTexts().pixels, target.image()));
}

// The baseline lies where it lies at one device pixel a pixel, on a whole device pixel.
void drawSmoothText(Surface& target, QPoint cellTopLeft, const QString& text) {
    const double scale = target.scale();
    const std::int32_t ascent = currentFonts()->ascent;
    DevicePainter device(target);
    QPainter& painter = device.painter();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(toDevice(cellTopLeft.x(), scale), toDevice(cellTopLeft.y() + ascent, scale));
    painter.scale(scale, scale);
    painter.setFont(currentFonts()->smooth);
    painter.setPen(Qt::black);
    drawRuns(painter, QPointF(0, 0),
             laidOut(currentFonts()->smooth, text, laidOutTexts().smooth, target.image()));
}
} // namespace

namespace {
// The embedded font's family, registered once.
QString& embeddedFamily() {
    static QString family;
    return family;
}

TextFonts makeFonts(const QString& family) {
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
    TextFonts fonts{withScriptFont(font),
                    withScriptFont(smooth),
                    pixelMetrics.ascent(),
                    pixelMetrics.height() + 1,
                    widest + 1,
                    0,
                    {}};
    fonts.script = scriptFontFamily();
    if (!fonts.script.isEmpty()) {
        // The script font's letters sit on the embedded font's baseline with their own ascent
        // and descent.
        QFont script(fonts.script);
        script.setPixelSize(textPixelSize);
        const QFontMetrics scriptMetrics(script);
        fonts.above = std::max(0, scriptMetrics.ascent() - fonts.ascent);
        fonts.height = std::max(fonts.height, fonts.ascent + scriptMetrics.descent() + 1);
    }
    return fonts;
}

// The fonts for the script font chosen now: made again, and the layouts forgotten, when another
// language chose another one.
const TextFonts* currentFonts() {
    std::optional<TextFonts>& fonts = textFonts();
    if (!fonts) {
        return nullptr;
    }
    if (fonts->script != scriptFontFamily()) {
        fonts = makeFonts(embeddedFamily());
        laidOutTexts() = {};
    }
    return &*fonts;
}
} // namespace

bool loadTextFont() {
    if (textFonts()) {
        return true;
    }
    QString error;
    embeddedFamily() = embeddedFontFamily(QStringLiteral(":/fonts/DejaVuSans.ttf"), error);
    if (embeddedFamily().isEmpty()) {
        return false;
    }
    textFonts() = makeFonts(embeddedFamily());
    return true;
}

void drawText(Surface& target, QPoint cellTopLeft, std::string_view text) {
    if (!currentFonts()) {
        return;
    }
    if (target.scale() == 1.0) {
        drawPixelText(target, cellTopLeft, toQString(text));
    } else {
        drawSmoothText(target, cellTopLeft, toQString(text));
    }
}

std::int32_t textWidth(std::string_view text) {
    const TextFonts* fonts = currentFonts();
    if (!fonts) {
        return 0;
    }
    return QFontMetrics(fonts->pixels).horizontalAdvance(toQString(text));
}

QRect textBounds(QPoint cellTopLeft, std::string_view text) {
    const TextFonts* fonts = currentFonts();
    if (!fonts) {
        return {cellTopLeft, QSize(0, 0)};
    }
    std::int32_t width = 0;
    if (fonts->script.isEmpty() && std::all_of(text.begin(), text.end(), [](char letter) {
            return letter >= ' ' && letter <= '~';
        })) {
        width = static_cast<std::int32_t>(text.size()) * fonts->widest;
    } else {
        // Letters of other scripts, and any text in a script font, are measured as laid out,
        // joined and of their own widths, in both fonts: the smoothed one's unhinted advances
        // may be a little wider.
        const QString letters = toQString(text);
        width = static_cast<std::int32_t>(
                    std::ceil(std::max(QFontMetricsF(fonts->pixels).horizontalAdvance(letters),
                                       QFontMetricsF(fonts->smooth).horizontalAdvance(letters)))) +
                1;
    }
    return QRect(cellTopLeft - QPoint(0, fonts->above), QSize(width, fonts->height + fonts->above))
        .adjusted(-inkMargin, -inkMargin, inkMargin, inkMargin);
}
