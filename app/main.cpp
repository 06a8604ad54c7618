#include "app/command_line.h"
#include "app/main_window.h"
#include "render/words.h"
#include "session/session.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <new>

namespace {
int runGame(char** argv) {
    // Qt chooses the platform; the session only puts its failure into words.
    SessionStart session;
    // The command line has been read: Qt sees only the program's name.
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    session.opened();
    useLanguage(QLocale::system());
    int code = 1;
    {
        MainWindow window;
        if (window.create()) {
            window.show();
            code = QApplication::exec();
        } else {
            // nothing of the window has been shown
            reportFailure(nullptr, startupFailureMessage(window.failure()));
        }
    }
    return endOfSession(code);
}

// Help and version on standard output, a wrong command line on standard error: no display.
int answer(const CommandLine& line) {
    const bool wrong = line.outcome == CommandLine::Outcome::Wrong;
    std::FILE* stream = wrong ? stderr : stdout;
    const QByteArray text = line.text.toLocal8Bit();
    const bool written = std::fputs(text.constData(), stream) >= 0 && std::fflush(stream) == 0;
    return wrong ? 2 : written ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    try {
        QStringList arguments;
        for (int i = 0; i < argc; ++i) {
            arguments << QString::fromLocal8Bit(argv[i]);
        }
        const CommandLine line = readCommandLine(arguments);
        if (line.outcome != CommandLine::Outcome::Run) {
            return answer(line);
        }
        for (const auto& [variable, value] : line.environment) {
            qputenv(variable.constData(), value.toLocal8Bit());
        }
        return runGame(argv);
    } catch (const std::bad_alloc&) {
        std::fputs("Quorvel cannot start: not enough memory.\n", stderr);
        return 1;
    }
}
