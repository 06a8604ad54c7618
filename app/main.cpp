#include "app/display_check.h"
#include "app/main_window.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int, char** argv) {
    // Qt gives up with an abort when it cannot open the display: look first.
    if (!displayReachable()) {
        std::fprintf(stderr, "%s\n", startupFailureText);
        return 1;
    }
    // The game reads no command line: Qt sees only the program's name.
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    MainWindow window;
    if (!window.create()) {
        std::fprintf(stderr, "%s\n", startupFailureText);
        QMessageBox::critical(nullptr, QStringLiteral("Quorvel"),
                              QString::fromLatin1(startupFailureText));
        return 1;
    }
    window.show();
    return QApplication::exec();
}
