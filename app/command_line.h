#pragma once

// The game's command line, read before Qt starts: --help, --version and a wrong option are
// answered on the terminal without opening a display.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

struct CommandLine {
    enum class Outcome { Run, Help, Version, Wrong };
    Outcome outcome = Outcome::Run;
    QString text; // Help and Version: for standard output; Wrong: for standard error
    // Run: the Qt options given, as the environment variables Qt reads in their place, so that
    // a failure to start names what was asked for.
    std::vector<std::pair<QByteArray, QString>> environment;
};

// `arguments` begins with the program's name.
CommandLine readCommandLine(const QStringList& arguments);
