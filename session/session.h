#pragma once

// The desktop session around the game's window: what must happen before Qt starts, how the
// game ends when the window system fails or a step cannot go on, and the hints a window gives
// the window manager. The window code uses this header only.
#include <string>

class QWidget;

// Made before the application object: screen scales below 1 are raised to 1, and Qt's messages
// are watched from then on, so that a platform Qt cannot open ends the game with two lines on
// standard error and exit code 1 rather than an abort. Until opened() is called once the
// application object is made, what others print on standard error is held back and then passed
// on; from then on a broken connection to the display ends the game with the display's name.
class SessionStart {
  public:
    SessionStart();
    ~SessionStart(); // passes on what was held back, should opened() never come
    SessionStart(const SessionStart&) = delete;
    SessionStart& operator=(const SessionStart&) = delete;
    void opened();
};

// How the game ends with `code` once its window is gone. Qt 6.4.2's Wayland client, closing its
// connection, can wait forever for its event thread (the game's window gone, the process left
// hanging): on Wayland the process ends here, with `code`. Elsewhere `code` is returned, for the
// program to end as usual.
int endOfSession(int code);

// Tells the player why the game cannot go on: one line on standard error, then an error box
// with the caption "Quorvel" over `owner` (none at start-up). When even the box cannot be
// made, the line on standard error is all that is said.
void reportFailure(QWidget* owner, const std::string& text);

// The text for a start-up that failed at `what`, e.g. "cannot load the image resource X".
std::string startupFailureMessage(const std::string& what);

// Said when a command runs out of memory in the middle of a round; the program then ends.
inline constexpr const char* outOfMemoryText = "Quorvel has run out of memory and must close.";

// On X11, tells the window manager that `window` can only be moved: no closing, minimising,
// maximising or resizing from keys or menus, and no frame. Elsewhere it does nothing.
void allowOnlyMoving(QWidget& window);
