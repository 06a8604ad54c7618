#include "tools/startbench/timing.h"

#include "app/command_router.h"
#include "app/main_window.h"
#include "app/table_widget.h"
#include "game/deal.h"
#include "game/table_state.h"
#include "platform/surface.h"
#include "render/table_surface.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {
using Clock = std::chrono::steady_clock;

double timeUs(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Back to betting, whatever the round holds.
void finishRound(MainWindow& window) {
    if (!table.bettingMode) {
        routeCommand(window, IDC_STAND);
    }
    if (!table.bettingMode) {
        routeCommand(window, IDC_STAND); // the split hand
    }
}

// Deals until the round is in play and, when asked, holds a pair.
void dealInPlay(MainWindow& window, bool pair) {
    for (;;) {
        finishRound(window);
        routeCommand(window, IDC_DEAL);
        if (!table.bettingMode && (!pair || canSplit())) {
            return;
        }
    }
}

void printRow(const char* name, std::vector<double> samples, double plainCopy) {
    const double us = median(std::move(samples));
    std::printf("  %-10s %9.1f us  %6.1fx\n", name, us, us / plainCopy);
}
} // namespace

void printCommandTimings(int samples) {
    MainWindow window;
    if (!window.create()) {
        std::printf("the table picture could not be made\n");
        return;
    }
    window.show();
    QApplication::processEvents();

    const QImage& image = backBuffer().image();
    QImage target(image.size(), image.format());
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
    std::printf("Commands, %s, assistive technology %s, median of %d (x = times one plain copy):\n",
                qPrintable(QGuiApplication::platformName()),
                QAccessible::isActive() ? "active" : "off", samples);
    std::printf("  %-10s %9.1f us\n", "copy", plainCopy);
    printRow("repaint", fullRepaints, plainCopy);

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
            times.push_back(timeUs([&] { routeCommand(window, command.command); }));
            if (command.command == IDC_CLEAR || command.command == IDC_BETTEN) {
                table.bet = 5;
            }
        }
        printRow(command.name, times, plainCopy);
    }
    finishRound(window);
}
