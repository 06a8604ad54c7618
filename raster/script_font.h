#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QString>

// The letters the embedded DejaVu Sans lacks: in Chinese, Japanese and Korean the table's text and
// the badges are drawn with a font of the machine made for that script (the package recommends
// fonts-noto-cjk). Latin, Greek, Cyrillic and Arabic stay DejaVu Sans.

// Chooses the machine's font for `script` (the Noto Sans CJK font of that script when it is
// there, else the first font that writes it); QFontDatabase::Any, or a script DejaVu Sans writes,
// chooses none. Needs the GUI application object. Returns the family chosen, or an empty string.
QString useScriptFont(QFontDatabase::WritingSystem script);

// The family chosen, or an empty string.
const QString& scriptFontFamily();

// `font` in the script font, as it is when no script font is chosen.
QFont withScriptFont(QFont font);
