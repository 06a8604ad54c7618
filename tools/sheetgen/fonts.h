#pragma once

#include <QFont>
#include <QString>

// Loads DejaVu Sans Bold from its file, so the lettering never depends on the machine's default
// font; returns the family name, or an empty string (with `error` set) when the file is missing.
QString loadLetteringFamily(QString& error);

// A bold font of that family, sized in pixels.
QFont letteringFont(const QString& family, int pixelSize, bool antialiased);
