#pragma once

#include <algorithm>
#include <vector>

template <typename T> T median(std::vector<T> values) {
    if (values.empty()) {
        return T{};
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One start of a program under an X server: the time to its window's first frame (the table
// green showing on the screen), the processor time its threads had used just before it (which
// other work on the machine disturbs far less), and its resident memory once started. Negative
// on failure.
struct StartSample {
    double firstFrameMs = -1;
    double firstFrameCpuMs = -1;
    long residentKb = -1;
};
// `scale` is the screen scale the program is started with (QT_SCALE_FACTOR).
StartSample startOnce(const char* program, const char* display, int scale);
// CPU time the game uses over `seconds` of sitting idle after its first frame.
double idleCpuMs(const char* program, const char* display, int seconds);

// The command handlers, each with its synchronous repaint, under Qt's offscreen platform at the
// screen scale Qt was started with, and the time to draw the table again at another scale. The
// first Deal comes as soon as the window's idle-time work has run or, with `pauseFirst`, after a
// pause such as a player's first press comes after.
void printCommandTimings(int samples, bool pauseFirst);
