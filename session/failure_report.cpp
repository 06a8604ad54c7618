#include "session/session.h"

#include <QMessageBox>

#include <cstdio>

void reportFailure(QWidget* owner, const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    try {
        QMessageBox::critical(owner, QStringLiteral("Quorvel"), QString::fromStdString(text));
    } catch (...) {
        // the line on standard error stands
    }
}

std::string startupFailureMessage(const std::string& what) {
    return "Quorvel cannot start: " + what + ".";
}
