#pragma once

#include <QFont>
#include <QString>

// Registers DejaVu Sans Bold, carried inside the program, so the lettering never depends on the
// machine's fonts; returns its family name, or an empty string (with `error` set) when it cannot
// be loaded. Needs the GUI application object.
QString loadLetteringFamily(QString& error);

// A bold font of that family, sized in pixels.
QFont letteringFont(const QString& family, int pixelSize, bool antialiased);
