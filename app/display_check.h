#pragma once

// The text shown when the game cannot open its window.
inline constexpr const char* startupFailureText = "Error - Class Registration Failed";

// False when the program would talk to an X server and none can be reached. Other window
// systems (offscreen, Wayland) are left to Qt.
bool displayReachable();
