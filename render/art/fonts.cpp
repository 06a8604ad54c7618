#include "render/art/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {
constexpr const char* letteringResource = ":/art/DejaVuSans-Bold.ttf";
}

QString loadLetteringFamily(QString& error) {
    static QString family;
    if (!family.isEmpty())
        return family;
    QFile file(QString::fromLatin1(letteringResource));
    const int id = file.open(QIODevice::ReadOnly)
                       ? QFontDatabase::addApplicationFontFromData(file.readAll())
                       : -1;
    const QStringList families =
        id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        error = QStringLiteral("cannot load the lettering font %1")
                    .arg(QString::fromLatin1(letteringResource));
        return {};
    }
    family = families.first();
    return family;
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
