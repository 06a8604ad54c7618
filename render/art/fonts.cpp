#include "render/art/fonts.h"

#include "raster/embedded_font.h"

QString loadLetteringFamily(QString& error) {
    return embeddedFontFamily(QStringLiteral(":/art/DejaVuSans-Bold.ttf"), error);
}

QFont letteringFont(const QString& family, int pixelSize, bool antialiased) {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(antialiased
                              ? QFont::NoFontMerging
                              : QFont::StyleStrategy(QFont::NoFontMerging | QFont::NoAntialias));
    return font;
}
