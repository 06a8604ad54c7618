// quorvel-icongen <outdir> <name> <size>...: writes the application icon into a hicolor tree,
// <outdir>/<n>x<n>/apps/<name>.png for each size and <outdir>/scalable/apps/<name>.svg.
#include "image_canvas.h"
#include "svg_canvas.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {
int fail(const QString& message) {
    std::fprintf(stderr, "quorvel-icongen: %s\n", qPrintable(message));
    return 1;
}

bool makeAppsDir(const QString& outdir, const QString& sizeDir, QString& appsDir) {
    appsDir = QDir(outdir).filePath(sizeDir + QStringLiteral("/apps"));
    return QDir().mkpath(appsDir);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        return fail(QStringLiteral("usage: quorvel-icongen <outdir> <name> <size>..."));
    }
    const QString outdir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    QString appsDir;
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 16 || size > 1024) {
            return fail(QStringLiteral("size must be a number from 16 to 1024, not \"%1\"")
                            .arg(QString::fromLocal8Bit(argv[i])));
        }
        if (!makeAppsDir(outdir, QStringLiteral("%1x%1").arg(size), appsDir)) {
            return fail(QStringLiteral("cannot create %1").arg(appsDir));
        }
        const QString path = QDir(appsDir).filePath(name + QStringLiteral(".png"));
        if (!paintIcon(size).save(path, "PNG")) {
            return fail(QStringLiteral("cannot write %1").arg(path));
        }
    }
    if (!makeAppsDir(outdir, QStringLiteral("scalable"), appsDir)) {
        return fail(QStringLiteral("cannot create %1").arg(appsDir));
    }
    QFile svg(QDir(appsDir).filePath(name + QStringLiteral(".svg")));
    const std::string document = iconSvg();
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(document.data(), static_cast<qint64>(document.size())) !=
            static_cast<qint64>(document.size()) ||
        !svg.flush()) {
        return fail(QStringLiteral("cannot write %1").arg(svg.fileName()));
    }
    return 0;
}
