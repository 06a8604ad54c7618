#include "app/display_check.h"
#include "app/failure_report.h"
#include "app/main_window.h"
#include "app/scale_check.h"

#include <QApplication>

#include <cstdio>
#include <new>

namespace {
int runGame(char** argv) {
    // Qt gives up with an abort when it cannot open the display: look first.
    const DisplayCheck display = checkDisplay();
    if (!display.reachable) {
        std::fprintf(stderr, "%s\n%s\n", startupFailureText, display.cause.c_str());
        return 1;
    }
    raiseScreenScalesBelowOne();
    watchDisplay();
    // The game reads no command line: Qt sees only the program's name.
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    displayOpened();
    MainWindow window;
    if (!window.create()) {
        // nothing of the window has been shown
        reportFailure(nullptr, startupFailureMessage(window.failure()));
        return 1;
    }
    window.show();
    return QApplication::exec();
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
