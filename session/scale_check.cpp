#include "session/scale_check.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <cstdio>

namespace {
// A factor below 1 becomes 1; anything else, Qt's to judge, is left as it is.
bool raiseFactor(QByteArray& factor) {
    bool number = false;
    const double value = factor.toDouble(&number);
    if (!number || value <= 0 || value >= 1) {
        return false;
    }
    factor = "1";
    return true;
}

// "1.5", "0.75;2" or "HDMI-1=0.75;DP-1=2": each factor on its own.
bool raiseFactors(QByteArray& factors) {
    bool raised = false;
    QList<QByteArray> entries = factors.split(';');
    for (QByteArray& entry : entries) {
        const qsizetype equals = entry.lastIndexOf('=');
        QByteArray factor = entry.mid(equals + 1);
        if (raiseFactor(factor)) {
            entry = entry.left(equals + 1) + factor;
            raised = true;
        }
    }
    factors = entries.join(';');
    return raised;
}
} // namespace

void raiseScreenScalesBelowOne() {
    bool said = false;
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) {
        QByteArray value = qgetenv(name);
        if (value.isEmpty() || !raiseFactors(value)) {
            continue;
        }
        if (!said) {
            std::fprintf(stderr,
                         "Quorvel: the window cannot be drawn at a screen scale below 1 (%s=%s); "
                         "it is drawn at 1 instead.\n",
                         name, qgetenv(name).constData());
            said = true;
        }
        qputenv(name, value);
    }
}
