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
#include <array>
#include <cmath>
#include <optional>

namespace {
constexpr char16_t firstPrintable = u' ';
constexpr char16_t lastPrintable = u'~';

// Where the baseline and the lowest pixel lie, in whole pixels, and the room each printable ASCII
// letter takes. The pixel and the smoothed font agree on the ascent and the height, and each
// letter's advance in one is within a pixel of its advance in the other (a test holds them to
// it), so these are measured with whichever font draws first: a screen that draws only smoothed
// letters never loads the pixel font.
struct Measures {
    std::optional<QFont> font; // the font measured with
    std::int32_t ascent = 0;   // where the baseline lies below the cell's top
    // From the cell's top to the lowest pixel of any letter, with a pixel to spare for the
    // smoothed font, whose letters are not fitted to the grid.
    std::int32_t height = 0;
    // How far the script font's letters reach above the cell's top; none without a script font.
    std::int32_t above = 0;
    // A letter's advance rounded up, with a pixel to spare for the other font; 0 until measured.
    std::array<std::int8_t, lastPrintable - firstPrintable + 1> letterRoom{};
    // The widths of texts measured as laid out (laidOutWidth).
    QHash<QString, std::int32_t> laidOutWidths;
};

struct TextFonts {
    QFont pixels;   // one device pixel a pixel
    QFont smooth;   // any other device pixel ratio
    QString script; // the script font drawing in place of the embedded one, or none
    Measures measures;
};

// The embedded font's family, registered once.
QString& embeddedFamily() {
    static QString family;
    return family;
}

// Smoothed letters reach a little past their advance and their cell.
constexpr std::int32_t inkMargin = 2;

std::optional<TextFonts>& textFonts() {
    static std::optional<TextFonts> fonts;
    return fonts;
}

TextFonts* currentFonts();
Measures& measuresWith(TextFonts& fonts, const QFont& font);

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
    TextFonts& fonts = *currentFonts();
    QPainter painter(&target.image());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(fonts.pixels);
    painter.setPen(Qt::black);
    drawRuns(painter,
             QPointF(cellTopLeft.x(), cellTopLeft.y() + measuresWith(fonts, fonts.pixels).ascent),
             laidOut(fonts.pixels, text, laidOutTexts().pixels, target.image()));
}

// The baseline lies where it lies at one device pixel a pixel, on a whole device pixel.
void drawSmoothText(Surface& target, QPoint cellTopLeft, const QString& text) {
    TextFonts& fonts = *currentFonts();
    const double scale = target.scale();
    const std::int32_t ascent = measuresWith(fonts, fonts.smooth).ascent;
    DevicePainter device(target);
    QPainter& painter = device.painter();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(toDevice(cellTopLeft.x(), scale), toDevice(cellTopLeft.y() + ascent, scale));
    painter.scale(scale, scale);
    painter.setFont(fonts.smooth);
    painter.setPen(Qt::black);
    drawRuns(painter, QPointF(0, 0),
             laidOut(fonts.smooth, text, laidOutTexts().smooth, target.image()));
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
    return {withScriptFont(font), withScriptFont(smooth), scriptFontFamily(), {}};
}

// The measures, taken with `font` (one of the two) when nothing has measured them yet.
Measures& measuresWith(TextFonts& fonts, const QFont& font) {
    Measures& measures = fonts.measures;
    if (measures.font) {
        return measures;
    }
    // the embedded font's own, also where a script font draws in its place
    QFont embedded = font;
    embedded.setFamily(embeddedFamily());
    measures.font = embedded;
    const QFontMetrics metrics(embedded);
    measures.ascent = metrics.ascent();
    measures.height = metrics.height() + 1;
    if (!fonts.script.isEmpty()) {
        // The script font's letters sit on the embedded font's baseline with their own ascent
        // and descent.
        QFont script(fonts.script);
        script.setPixelSize(textPixelSize);
        const QFontMetrics scriptMetrics(script);
        measures.above = std::max(0, scriptMetrics.ascent() - measures.ascent);
        measures.height = std::max(measures.height, measures.ascent + scriptMetrics.descent() + 1);
    }
    return measures;
}

// What nothing has drawn yet is measured with the pixel font, which places the text.
Measures& measures(TextFonts& fonts) {
    return measuresWith(fonts, fonts.pixels);
}

std::int32_t letterRoom(Measures& measures, char letter) {
    std::int8_t& room = measures.letterRoom[static_cast<std::size_t>(letter - firstPrintable)];
    if (room == 0) {
        const double advance = QFontMetricsF(*measures.font).horizontalAdvance(QChar(letter));
        room = static_cast<std::int8_t>(std::ceil(advance) + 1);
    }
    return room;
}

// Letters of other scripts, and any text in a script font, are measured as laid out, joined and
// of their own widths, in both fonts (the smoothed one's unhinted advances may be a little
// wider); once for each text, as the bounds of the same figures are asked for again and again.
std::int32_t laidOutWidth(TextFonts& fonts, const QString& letters) {
    QHash<QString, std::int32_t>& widths = fonts.measures.laidOutWidths;
    if (const auto found = widths.constFind(letters); found != widths.constEnd()) {
        return *found;
    }
    if (widths.size() >= mostLaidOut) {
        widths.clear();
    }
    const double advance = std::max(QFontMetricsF(fonts.pixels).horizontalAdvance(letters),
                                    QFontMetricsF(fonts.smooth).horizontalAdvance(letters));
    return *widths.insert(letters, static_cast<std::int32_t>(std::ceil(advance)) + 1);
}

// The fonts for the script font chosen now: made again, and the layouts forgotten, when another
// language chose another one.
TextFonts* currentFonts() {
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
    TextFonts* fonts = currentFonts();
    if (!fonts) {
        return {cellTopLeft, QSize(0, 0)};
    }
    Measures& measured = measures(*fonts);
    std::int32_t width = 0;
    if (fonts->script.isEmpty() && std::all_of(text.begin(), text.end(), [](char letter) {
            return letter >= firstPrintable && letter <= lastPrintable;
        })) {
        for (const char letter : text) {
            width += letterRoom(measured, letter);
        }
    } else {
        width = laidOutWidth(*fonts, toQString(text));
    }
    return QRect(cellTopLeft - QPoint(0, measured.above),
                 QSize(width, measured.height + measured.above))
        .adjusted(-inkMargin, -inkMargin, inkMargin, inkMargin);
}
