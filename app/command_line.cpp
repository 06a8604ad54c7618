#include "app/command_line.h"

#include "quorvel_identity.h"

#include <QCommandLineParser>

namespace {
// The options of Qt's own that the game takes: which platform opens the window, and where. Each
// is written as -platform xcb, --platform xcb or --platform=xcb, and means what its variable does.
struct QtOption {
    const char* name;
    const char* valueName;
    const char* variable;
    const char* description;
};
constexpr QtOption qtOptions[] = {
    {"platform", "name[:options]", "QT_QPA_PLATFORM",
     "The Qt platform plugin that opens the window: xcb (X11) or wayland, as QT_QPA_PLATFORM."},
    {"platformpluginpath", "folder", "QT_QPA_PLATFORM_PLUGIN_PATH",
     "A further folder to look in for Qt platform plugins."},
    {"platformtheme", "name", "QT_QPA_PLATFORMTHEME",
     "The Qt platform theme, as QT_QPA_PLATFORMTHEME."},
    {"display", "display", "DISPLAY", "The X display to open on the xcb platform, as DISPLAY."},
};

// Without an application object Qt's help names no program.
QString helpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text.replace(QLatin1String("<executable_name>"), QLatin1String(gameProgramName));
    return text;
}
} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QLatin1String(productComment) +
        QStringLiteral(".\nThe game opens no file; the options of Qt below are passed on to Qt."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the name and version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& option : qtOptions) {
        parser.addOption(QCommandLineOption(QLatin1String(option.name),
                                            QLatin1String(option.description),
                                            QLatin1String(option.valueName)));
    }

    const QString program = QLatin1String(gameProgramName);
    const QString tryHelp =
        QStringLiteral("\nTry '%1 --help' for the options it takes.\n").arg(program);
    if (!parser.parse(arguments)) {
        return {CommandLine::Outcome::Wrong, program + ": " + parser.errorText() + tryHelp, {}};
    }
    if (parser.isSet(help)) {
        return {CommandLine::Outcome::Help, helpText(parser), {}};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Outcome::Version,
                QStringLiteral("%1 %2\n").arg(program, QLatin1String(quorvelVersion)),
                {}};
    }
    if (const QStringList words = parser.positionalArguments(); !words.isEmpty()) {
        return {CommandLine::Outcome::Wrong,
                program + ": Unexpected argument '" + words.first() + "': the game opens no file." +
                    tryHelp,
                {}};
    }
    CommandLine run;
    for (const QtOption& option : qtOptions) {
        // given twice, the last one counts, as with Qt's own reading
        if (const QString value = parser.value(QLatin1String(option.name)); !value.isNull()) {
            run.environment.emplace_back(option.variable, value);
        }
    }
    return run;
}
