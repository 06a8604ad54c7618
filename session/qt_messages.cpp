#include "session/qt_messages.h"

#include <QRegularExpression>

std::optional<QString> missingPlatformPlugin(const QString& message) {
    // Most messages are something else: they are told apart without compiling the pattern.
    if (!message.startsWith(QLatin1String("Could not find the Qt platform plugin \""))) {
        return std::nullopt;
    }
    static const QRegularExpression missing(
        QStringLiteral(R"re(^Could not find the Qt platform plugin "([^"]*)")re"));
    const QRegularExpressionMatch match = missing.match(message);
    return match.hasMatch() ? std::optional(match.captured(1)) : std::nullopt;
}

bool connectionBroke(const QString& message) {
    return message.startsWith(QLatin1String("The Wayland connection")) ||
           message.startsWith(QLatin1String("The X11 connection broke"));
}
