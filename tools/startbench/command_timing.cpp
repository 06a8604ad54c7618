#include "tools/startbench/timing.h"

#include "app/command_router.h"
#include "app/main_window.h"
#include "app/table_widget.h"
#include "game/controls.h"
#include "game/deal.h"
#include "game/table_state.h"
#include "raster/surface.h"
#include "render/canvas.h"
#include "render/table_surface.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {
using Clock = std::chrono::steady_clock;
constexpr qint64 pauseMs = 300;
constexpr int idleWorkDoneMs = 200;

// The window's event loop runs until it would first wait for events after the table's first
// paint, and on for a while: the window's idle-time work, which waits 100 ms after the frame for
// the X server to show it, has run then, and the caches are as that work left them.
void untilIdle(QWidget& table) {
    struct FirstPaint : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    table.installEventFilter(&watch);
    QEventLoop idle;
    const QMetaObject::Connection once = QObject::connect(
        QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &idle, [&] {
            if (watch.painted) {
                QTimer::singleShot(idleWorkDoneMs, &idle, &QEventLoop::quit);
            }
        });
    idle.exec();
    QObject::disconnect(once);
    table.removeEventFilter(&watch);
}

// The event loop waits as it does between a player's presses; whatever else the machine runs
// meanwhile takes the caches.
void pauseLikeAPlayer() {
    QEventLoop idle;
    QTimer::singleShot(pauseMs, &idle, &QEventLoop::quit);
    idle.exec();
}

double timeUs(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Back to betting, whatever the round holds.
void finishRound(MainWindow& window) {
    if (!window.tableState().bettingMode) {
        window.command(IDC_STAND);
    }
    if (!window.tableState().bettingMode) {
        window.command(IDC_STAND); // the split hand
    }
}

// Deals until the round is in play and, when asked, holds a pair.
void dealInPlay(MainWindow& window, bool pair) {
    for (;;) {
        finishRound(window);
        window.command(IDC_DEAL);
        if (!window.tableState().bettingMode && (!pair || canSplit(window.tableState()))) {
            return;
        }
    }
}

void printRow(const char* name, std::vector<double> samples, double plainCopy) {
    const double us = median(std::move(samples));
    std::printf("  %-10s %9.1f us  %6.1fx\n", name, us, us / plainCopy);
}

// The table of a finished split round drawn again at the other scale and back: the back buffer
// and every sprite on it made anew.
void printRescaleTimings(MainWindow& window, int samples) {
    dealInPlay(window, true);
    window.command(IDC_SPLIT);
    finishRound(window);
    const double own = tableSurfaceScale(window.canvas());
    const double other = own == 1.0 ? 2.0 : 1.0;
    std::vector<double> there;
    std::vector<double> back;
    for (int sample = 0; sample < samples; ++sample) {
        there.push_back(timeUs([&] { rescaleTableSurface(window.canvas(), other); }));
        back.push_back(timeUs([&] { rescaleTableSurface(window.canvas(), own); }));
    }
    std::printf("Drawing the finished table again, median of %d:\n", samples);
    std::printf("  scale %g to %g  %9.1f ms\n", own, other, median(there) / 1000);
    std::printf("  scale %g to %g  %9.1f ms\n", other, own, median(back) / 1000);
}
} // namespace

void printCommandTimings(int samples, bool pauseFirst) {
    MainWindow window;
    if (!window.create()) {
        std::printf("the table picture could not be made\n");
        return;
    }
    window.show();
    untilIdle(window.table());

    const QImage& image = backBuffer(window.canvas()).image();
    QImage target(image.size(), image.format());
    target.setDevicePixelRatio(image.devicePixelRatio()); // one device pixel for one
    const auto copy = [&] {
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image);
    };
    // The first deal, right after what the window prepares in idle time; with `pauseFirst`, after
    // the pause a player's first press comes after.
    if (pauseFirst) {
        pauseLikeAPlayer();
    }
    const double firstDeal = timeUs([&] { window.command(IDC_DEAL); });
    std::vector<double> copies;
    std::vector<double> fullRepaints;
    for (int sample = 0; sample < samples; ++sample) {
        copies.push_back(timeUs(copy));
        fullRepaints.push_back(timeUs([&] { window.table().repaint(); }));
    }
    const double plainCopy = median(copies);
    std::printf("Commands at screen scale %g, %s, assistive technology %s, back buffer %d x %d, "
                "median of %d (x = times one plain copy):\n",
                window.table().devicePixelRatioF(), qPrintable(QGuiApplication::platformName()),
                QAccessible::isActive() ? "active" : "off", image.width(), image.height(), samples);
    std::printf("  %-10s %9.1f us\n", "copy", plainCopy);
    printRow("repaint", fullRepaints, plainCopy);
    printRow(pauseFirst ? "1st Deal after a pause" : "1st Deal", {firstDeal}, plainCopy);

    // In the order Tab reaches them; those greyed at start need a round in play, Split a pair.
    std::array<const Control*, buttonCount> commands{};
    for (const Control& control : controls) {
        commands[control.tabPosition] = &control;
    }
    for (const Control* command : commands) {
        std::vector<double> times;
        for (int sample = 0; sample < samples; ++sample) {
            if (!command->enabledAtStart) {
                dealInPlay(window, command->id == IDC_SPLIT);
            } else {
                finishRound(window);
            }
            times.push_back(timeUs([&] { window.command(command->id); }));
            if (command->id == IDC_CLEAR || command->id == IDC_BETTEN) {
                window.tableState().bet = startingBet;
            }
        }
        printRow(command->caption, times, plainCopy);
    }
    // After the pause before a press the caches are cold: a Deal then, and the plain copy then,
    // which is what a first Deal after a pause compares with.
    std::vector<double> dealsAfterPause;
    std::vector<double> copiesAfterPause;
    for (int sample = 0; sample < 9; ++sample) {
        finishRound(window);
        pauseLikeAPlayer();
        dealsAfterPause.push_back(timeUs([&] { window.command(IDC_DEAL); }));
        pauseLikeAPlayer();
        copiesAfterPause.push_back(timeUs(copy));
    }
    std::printf("After a %lld ms pause, median of 9:\n", static_cast<long long>(pauseMs));
    const double coldCopy = median(copiesAfterPause);
    printRow("copy", copiesAfterPause, plainCopy);
    printRow("Deal", dealsAfterPause, plainCopy);
    if (pauseFirst) {
        std::printf("  1st Deal after a pause = %.1f copies after a pause\n", firstDeal / coldCopy);
    }
    finishRound(window);
    printRescaleTimings(window, samples / 10);
}
