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
    // The game reads no command line: Qt sees only the program's name.
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
} // namespace

int main(int, char** argv) {
    try {
        return runGame(argv);
    } catch (const std::bad_alloc&) {
        std::fputs("Quorvel cannot start: not enough memory.\n", stderr);
        return 1;
    }
}
