#include "tools/startbench/timing.h"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;

// A point of the table picture in both programs: below the menu bar, clear of every label and
// card at start-up, on the screen where the window opens at (100, 80), in device pixels.
constexpr int probeX = 100 + 400;
constexpr int probeY = 80 + 250;
constexpr std::uint32_t tableGreen = 0x008000;

bool probeIsGreen(xcb_connection_t* connection, xcb_window_t root, int scale) {
    xcb_get_image_reply_t* image =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root,
                                          probeX * scale, probeY * scale, 1, 1, ~0u),
                            nullptr);
    if (!image) {
        return false;
    }
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, xcb_get_image_data(image), sizeof pixel);
    std::free(image);
    return (pixel & 0xffffff) == tableGreen;
}

pid_t launch(const char* program, const char* display, int scale) {
    setenv("DISPLAY", display, 1);
    unsetenv("QT_QPA_PLATFORM");
    setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

long residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

double cpuMs(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // the fields after the command name, which ends with the last ')'
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int index = 3; fields >> field && index <= 15; ++index) {
        if (index == 14 || index == 15) { // utime, stime
            ticks += std::stol(field);
        }
    }
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The processor time all threads of the process have run, from the scheduler's account.
double threadsCpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            double onCpu = 0;
            if (schedstat >> onCpu) {
                ns += onCpu;
            }
        }
        closedir(dir);
    }
    return ns / 1e6;
}

// Starts the program and waits for its first frame; -1 ms when it never comes. `cpuMs` is the
// processor time it had used when the probe last found the frame missing: the work it does once
// the frame has gone out is not counted, however late the probe sees the frame.
double startAndWait(xcb_connection_t* connection, xcb_window_t root, pid_t& pid,
                    const char* program, const char* display, int scale, double& cpuMs) {
    const Clock::time_point start = Clock::now();
    pid = launch(program, display, scale);
    if (pid < 0) {
        return -1;
    }
    for (double used = 0; !probeIsGreen(connection, root, scale); used = threadsCpuMs(pid)) {
        cpuMs = used;
        if (Clock::now() - start > std::chrono::seconds(10)) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Screen {
    xcb_connection_t* connection;
    xcb_window_t root;
    int scale = 1;
};

Screen connect(const char* display) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    return {connection, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root};
}

// The root shows its own background again once the window is gone.
void waitUntilGone(const Screen& screen) {
    for (int attempt = 0;
         attempt < 5000 && probeIsGreen(screen.connection, screen.root, screen.scale); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
} // namespace

StartSample startOnce(const char* program, const char* display, int scale) {
    Screen screen = connect(display);
    screen.scale = scale;
    StartSample sample;
    pid_t pid = -1;
    double cpuMs = -1;
    sample.firstFrameMs =
        startAndWait(screen.connection, screen.root, pid, program, display, scale, cpuMs);
    sample.firstFrameCpuMs = sample.firstFrameMs >= 0 ? cpuMs : -1;
    if (pid > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(1)); // settled after start
        sample.residentKb = residentKb(pid);
        stop(pid);
        waitUntilGone(screen);
    }
    xcb_disconnect(screen.connection);
    return sample;
}

double idleCpuMs(const char* program, const char* display, int seconds) {
    const Screen screen = connect(display);
    pid_t pid = -1;
    double used = -1;
    double startCpuMs = -1;
    if (startAndWait(screen.connection, screen.root, pid, program, display, 1, startCpuMs) >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const double before = cpuMs(pid);
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        used = cpuMs(pid) - before;
    }
    if (pid > 0) {
        stop(pid);
        waitUntilGone(screen);
    }
    xcb_disconnect(screen.connection);
    return used;
}
