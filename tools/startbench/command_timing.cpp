#include "tools/startbench/timing.h"

#include "app/command_router.h"
#include "app/main_window.h"
#include "app/table_widget.h"
#include "game/deal.h"
#include "game/table_state.h"
#include "raster/surface.h"
#include "render/table_surface.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {
using Clock = std::chrono::steady_clock;
constexpr qint64 firstPressMs = 300;

// The window's event loop runs as it does between a player's presses: it waits for events, so
// that what the window leaves for idle time runs.
void waitIdle() {
    QEventLoop idle;
    QTimer::singleShot(firstPressMs, &idle, &QEventLoop::quit);
    idle.exec();
}

double timeUs(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Back to betting, whatever the round holds.
void finishRound(MainWindow& window) {
    if (!table.bettingMode) {
        window.command(IDC_STAND);
    }
    if (!table.bettingMode) {
        window.command(IDC_STAND); // the split hand
    }
}

// Deals until the round is in play and, when asked, holds a pair.
void dealInPlay(MainWindow& window, bool pair) {
    for (;;) {
        finishRound(window);
        window.command(IDC_DEAL);
        if (!table.bettingMode && (!pair || canSplit())) {
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
    const double own = tableSurfaceScale();
    const double other = own == 1.0 ? 2.0 : 1.0;
    std::vector<double> there;
    std::vector<double> back;
    for (int sample = 0; sample < samples; ++sample) {
        there.push_back(timeUs([&] { rescaleTableSurface(other); }));
        back.push_back(timeUs([&] { rescaleTableSurface(own); }));
    }
    std::printf("Drawing the finished table again, median of %d:\n", samples);
    std::printf("  scale %g to %g  %9.1f ms\n", own, other, median(there) / 1000);
    std::printf("  scale %g to %g  %9.1f ms\n", other, own, median(back) / 1000);
}
} // namespace

void printCommandTimings(int samples) {
    MainWindow window;
    if (!window.create()) {
        std::printf("the table picture could not be made\n");
        return;
    }
    window.show();
    // A player's first press comes well after the first frame: the window has that idle time.
    waitIdle();

    const QImage& image = backBuffer().image();
    QImage target(image.size(), image.format());
    target.setDevicePixelRatio(image.devicePixelRatio()); // one device pixel for one
    std::vector<double> copies;
    std::vector<double> fullRepaints;
    for (int sample = 0; sample < samples; ++sample) {
        copies.push_back(timeUs([&] {
            QPainter painter(&target);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, image);
        }));
        fullRepaints.push_back(timeUs([&] { window.table().repaint(); }));
    }
    const double plainCopy = median(copies);
    // the first deal draws its sprites at this scale for the first time
    const double firstDeal = timeUs([&] { window.command(IDC_DEAL); });
    std::printf("Commands at screen scale %g, %s, assistive technology %s, back buffer %d x %d, "
                "median of %d (x = times one plain copy):\n",
                window.table().devicePixelRatioF(), qPrintable(QGuiApplication::platformName()),
                QAccessible::isActive() ? "active" : "off", image.width(), image.height(), samples);
    std::printf("  %-10s %9.1f us\n", "copy", plainCopy);
    printRow("repaint", fullRepaints, plainCopy);
    printRow("1st Deal", {firstDeal}, plainCopy);

    const struct {
        const char* name;
        std::int32_t command;
        bool inPlay;
        bool pair;
    } commands[] = {{"Deal", IDC_DEAL, false, false},        {"Hit", IDC_HIT, true, false},
                    {"Stand", IDC_STAND, true, false},       {"Double", IDC_DOUBLE, true, false},
                    {"Split", IDC_SPLIT, true, true},        {"Bet One", IDC_BETONE, false, false},
                    {"Bet Five", IDC_BETFIVE, false, false}, {"Bet Ten", IDC_BETTEN, false, false},
                    {"Clear", IDC_CLEAR, false, false}};
    for (const auto& command : commands) {
        std::vector<double> times;
        for (int sample = 0; sample < samples; ++sample) {
            if (command.inPlay) {
                dealInPlay(window, command.pair);
            } else {
                finishRound(window);
            }
            times.push_back(timeUs([&] { window.command(command.command); }));
            if (command.command == IDC_CLEAR || command.command == IDC_BETTEN) {
                table.bet = 5;
            }
        }
        printRow(command.name, times, plainCopy);
    }
    // A Deal as the first one comes, after the same idle time, whose caches have gone cold in
    // the meantime: what the first Deal costs beyond this is drawing done for the first time.
    std::vector<double> afterIdle;
    for (int sample = 0; sample < 9; ++sample) {
        finishRound(window);
        waitIdle();
        afterIdle.push_back(timeUs([&] { window.command(IDC_DEAL); }));
    }
    printRow("idle Deal", afterIdle, plainCopy);
    finishRound(window);
    printRescaleTimings(window, samples / 10);
}
