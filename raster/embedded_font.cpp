#include "raster/embedded_font.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QHash>
#include <QResource>
#include <QStringList>

namespace {
// The font's bytes as the program carries them: an uncompressed resource is used where it lies,
// without a copy on the heap, and only the parts of it that are read come into memory.
QByteArray resourceBytes(const QResource& resource) {
    if (!resource.isValid()) {
        return {};
    }
    if (resource.compressionAlgorithm() == QResource::NoCompression) {
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       static_cast<qsizetype>(resource.size()));
    }
    return resource.uncompressedData();
}
} // namespace

QString embeddedFontFamily(const QString& resource, QString& error) {
    static QHash<QString, QString> loaded; // resource to family
    if (const auto found = loaded.constFind(resource); found != loaded.constEnd()) {
        return *found;
    }
    const QByteArray bytes = resourceBytes(QResource(resource));
    const int id = bytes.isEmpty() ? -1 : QFontDatabase::addApplicationFontFromData(bytes);
    const QStringList families =
        id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        error = QStringLiteral("cannot load the font %1").arg(resource);
        return {};
    }
    loaded.insert(resource, families.first());
    return families.first();
}
