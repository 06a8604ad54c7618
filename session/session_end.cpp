#include "session/session.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int endOfSession(int code) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return code;
    }
    // Nothing of the game is left to free; what Qt and the libraries below it keep is theirs (the
    // leak checker, which runs at a normal exit, would take fontconfig's tables for leaks here).
    std::fflush(nullptr);
    std::_Exit(code);
}
