#pragma once

#include <string>

// The text shown when the game cannot open its window.
inline constexpr const char* startupFailureText = "Error - Class Registration Failed";

// Whether the X server or Wayland compositor that Qt would talk to answers. When none does,
// `cause` says so in plain words, with the variables that named the displays.
struct DisplayCheck {
    bool reachable = true;
    std::string cause;
};
DisplayCheck checkDisplay();

// Takes over Qt's messages from before the QApplication is made to the end of the program, so
// that a window system that fails ends the game with a clear line on standard error and exit
// code 1, not with an abort: a missing Wayland platform plugin names the Debian package that
// brings it; once displayOpened() has been called, a broken connection names the display lost.
void watchDisplay();
void displayOpened();
