#pragma once

#include <string>
#include <sys/types.h>

// A private Xvfb server on a display number it picks itself, stopped when this goes away.
class XServer {
  public:
    XServer(int width, int height);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool running() const { return !display_.empty(); }
    const std::string& display() const { return display_; } // e.g. ":3"

  private:
    pid_t pid_ = -1;
    std::string display_;
};
