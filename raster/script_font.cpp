#include "raster/script_font.h"

#include <QStringList>

#include <array>
#include <utility>

namespace {
QString& chosenFamily() {
    static QString family;
    return family;
}

// The Noto Sans CJK face of each script: its Han characters have that script's own shapes.
constexpr std::array<std::pair<QFontDatabase::WritingSystem, const char*>, 4> notoFamilies{{
    {QFontDatabase::SimplifiedChinese, "Noto Sans CJK SC"},
    {QFontDatabase::TraditionalChinese, "Noto Sans CJK TC"},
    {QFontDatabase::Japanese, "Noto Sans CJK JP"},
    {QFontDatabase::Korean, "Noto Sans CJK KR"},
}};
} // namespace

QString useScriptFont(QFontDatabase::WritingSystem script) {
    QString& family = chosenFamily();
    family.clear();
    for (const auto& [system, noto] : notoFamilies) {
        if (system != script) {
            continue;
        }
        const QStringList writers = QFontDatabase::families(script);
        const QString preferred = QString::fromLatin1(noto);
        if (writers.contains(preferred)) {
            family = preferred;
        } else if (!writers.isEmpty()) {
            family = writers.first();
        }
    }
    return family;
}

const QString& scriptFontFamily() {
    return chosenFamily();
}

QFont withScriptFont(QFont font) {
    const QString& family = chosenFamily();
    if (!family.isEmpty()) {
        // The one family, never merged with another: which font draws a letter never depends on
        // what was drawn before (a merged font's fallbacks do), and the script font writes Latin
        // letters and figures too.
        font.setFamily(family);
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    }
    return font;
}
