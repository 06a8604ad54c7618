// Prints how the game starts against a bare Qt window of the same shape, both under one private
// X server, at screen scales 1 and 2, and how long each command takes with its repaint at each
// scale, offscreen:
//   startbench [runs]
// or against another build of the game in place of the bare window:
//   startbench runs --against PROGRAM
// or only the command timings, on the platform and at the scale the environment gives (e.g. on
// an X server while a screen reader listens):
//   startbench --commands [--pause]
#include "headless/x_server.h"
#include "tools/startbench/timing.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {
void printStart(const char* name, const std::vector<StartSample>& samples) {
    std::vector<double> ms;
    std::vector<double> cpuMs;
    std::vector<long> kb;
    for (const StartSample& sample : samples) {
        ms.push_back(sample.firstFrameMs);
        cpuMs.push_back(sample.firstFrameCpuMs);
        kb.push_back(sample.residentKb);
    }
    std::printf("  %-8s first frame %7.1f ms   processor %7.1f ms   resident %7ld kB\n", name,
                median(ms), median(cpuMs), median(kb));
}

// `other` is the bare window, or another build of the game to set this one against.
void compareStarts(const char* display, int runs, int scale, const char* other) {
    std::vector<StartSample> game;
    std::vector<StartSample> bare;
    startOnce(QUORVEL_PROGRAM, display, scale); // warm the file cache for both
    startOnce(other, display, scale);
    for (int run = 0; run < runs; ++run) {
        game.push_back(startOnce(QUORVEL_PROGRAM, display, scale));
        bare.push_back(startOnce(other, display, scale));
    }
    std::printf(
        "Start-up at screen scale %d under Xvfb %s, median of %d runs each, side by side:\n", scale,
        display, runs);
    printStart("quorvel", game);
    printStart(other == std::string_view(BARE_WINDOW_PROGRAM) ? "bare" : "other", bare);
    std::vector<double> gameMs, bareMs, gameCpuMs, bareCpuMs;
    std::vector<long> gameKb, bareKb;
    for (int run = 0; run < runs; ++run) {
        gameMs.push_back(game[run].firstFrameMs);
        bareMs.push_back(bare[run].firstFrameMs);
        gameCpuMs.push_back(game[run].firstFrameCpuMs);
        bareCpuMs.push_back(bare[run].firstFrameCpuMs);
        gameKb.push_back(game[run].residentKb);
        bareKb.push_back(bare[run].residentKb);
    }
    std::printf("  ratio    first frame %7.2fx     processor %7.2fx     resident %7.2fx\n",
                median(gameMs) / median(bareMs), median(gameCpuMs) / median(bareCpuMs),
                static_cast<double>(median(gameKb)) / static_cast<double>(median(bareKb)));
}

// The accessibility bridge reaches the accessibility bus in the background: when there is one,
// give it half a second, so that the timings are all taken with it.
void waitForAccessibility() {
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 500) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// The command timings of one screen scale, in a process of their own: Qt takes the scale when
// it starts.
void timeCommandsInChild(const char* self, int scale) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
        execl(self, self, "--commands", static_cast<char*>(nullptr));
        _exit(127);
    }
    waitpid(child, nullptr, 0);
}
} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--commands") == 0) {
        int argumentCount = 1;
        QApplication application(argumentCount, argv);
        waitForAccessibility();
        printCommandTimings(200, argc > 2 && std::strcmp(argv[2], "--pause") == 0);
        return 0;
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    // startbench RUNS --against PROGRAM: another build of the game in place of the bare window
    const char* other =
        argc > 3 && std::strcmp(argv[2], "--against") == 0 ? argv[3] : BARE_WINDOW_PROGRAM;
    {
        XServer server(2048, 1536);
        if (!server.running()) {
            std::fprintf(stderr, "Xvfb could not be started\n");
            return 1;
        }
        const char* display = server.display().c_str();
        compareStarts(display, runs, 1, other);
        compareStarts(display, runs, 2, other);
        const int idleSeconds = 3;
        std::printf("Idle CPU of quorvel over %d s after start: %.1f ms\n", idleSeconds,
                    idleCpuMs(QUORVEL_PROGRAM, display, idleSeconds));
    }
    timeCommandsInChild(argv[0], 1);
    timeCommandsInChild(argv[0], 2);
    return 0;
}
