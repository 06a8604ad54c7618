#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
constexpr const char* letteringFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}

QString loadLetteringFamily(QString& error) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(letteringFile));
    const QStringList families =
        id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        error = QStringLiteral("cannot load font %1 (install fonts-dejavu-core)")
                    .arg(QString::fromLatin1(letteringFile));
        return {};
    }
    return families.first();
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
