#pragma once

#include <QString>

// Registers a font carried inside the program, given by its resource path (":/fonts/..."), with
// the GUI application the first time it is asked for, and returns its family name; an empty
// string, with `error` naming the resource, when it cannot be loaded. Needs the GUI application
// object.
QString embeddedFontFamily(const QString& resource, QString& error);
