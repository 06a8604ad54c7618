#include "raster/embedded_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

QString embeddedFontFamily(const QString& resource, QString& error) {
    static QHash<QString, QString> loaded; // resource to family
    if (const auto found = loaded.constFind(resource); found != loaded.constEnd()) {
        return *found;
    }
    QFile file(resource);
    const int id = file.open(QIODevice::ReadOnly)
                       ? QFontDatabase::addApplicationFontFromData(file.readAll())
                       : -1;
    const QStringList families =
        id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        error = QStringLiteral("cannot load the font %1").arg(resource);
        return {};
    }
    loaded.insert(resource, families.first());
    return families.first();
}
