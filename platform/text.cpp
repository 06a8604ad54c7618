#include "platform/text.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <optional>

namespace {
std::optional<QFont>& textFont() {
    static std::optional<QFont> font;
    return font;
}

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

bool loadTextFont() {
    if (textFont()) {
        return true;
    }
    QFile file(QStringLiteral(":/fonts/DejaVuSans.ttf"));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        return false;
    }
    QFont font(families.first());
    font.setPixelSize(textPixelSize);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    // Plain black pixels, hinted to the pixel grid: the same picture whatever the desktop's
    // smoothing settings, and only two colours where text meets the table.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    textFont() = font;
    return true;
}

void drawText(Surface& target, PixelPoint cellTopLeft, std::string_view text) {
    if (!textFont()) {
        return;
    }
    QPainter painter(&target.image());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(*textFont());
    painter.setPen(Qt::black);
    const QFontMetrics metrics(*textFont(), &target.image());
    painter.drawText(QPoint(cellTopLeft.x, cellTopLeft.y + metrics.ascent()), toQString(text));
}

std::int32_t textAdvance(std::string_view text) {
    if (!textFont()) {
        return 0;
    }
    return QFontMetrics(*textFont()).horizontalAdvance(toQString(text));
}
