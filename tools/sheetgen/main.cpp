// sheetgen <outdir>: draws the card and result sheets and writes them as PNG files.
#include "render/art/badges.h"
#include "render/art/card_sheet.h"
#include "render/art/fonts.h"
#include "render/words.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "sheetgen: %s\n", qPrintable(message));
    return 1;
}

bool writeSheet(const QImage& sheet, const QDir& dir, const char* name, QString& error) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (sheet.save(path, "PNG"))
        return true;
    error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Nothing is shown on screen, so no display is needed unless the caller picks a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2)
        return fail(QStringLiteral("usage: sheetgen <outdir>"));
    QGuiApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists())
        return fail(QStringLiteral("no such directory: %1").arg(dir.path()));
    QString error;
    const QString family = loadLetteringFamily(error);
    if (family.isEmpty())
        return fail(error);
    if (!writeSheet(renderCardSheet(family), dir, "IDBCARDBITMAP.png", error) ||
        !writeSheet(renderResultSheet(family, englishBadgeWords()), dir, "IDBRESULTSBITMAP.png",
                    error))
        return fail(error);
    return 0;
}
