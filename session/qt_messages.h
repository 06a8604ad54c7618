#pragma once

// The few messages of Qt's own that the session reads, as Qt 6.4.2 words them. Everything that
// depends on their wording is here; a later Qt that words them otherwise changes this file only.
#include <QString>

#include <optional>

// The platform named in "Could not find the Qt platform plugin "foo" in """: a name in
// QT_QPA_PLATFORM for which no plugin is installed.
std::optional<QString> missingPlatformPlugin(const QString& message);

// Whether the message says that the connection to the X server or Wayland compositor broke.
bool connectionBroke(const QString& message);
