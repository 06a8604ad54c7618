#pragma once

#include <string>

class QWidget;

// Tells the player why the game cannot go on: one line on standard error, then an error box
// with the caption "Quorvel" over `owner` (none at start-up). When even the box cannot be
// made, the line on standard error is all that is said.
void reportFailure(QWidget* owner, const std::string& text);

// The text for a start-up that failed at `what`, e.g. "cannot load the image resource X".
std::string startupFailureMessage(const std::string& what);

// Said when a command runs out of memory in the middle of a round; the program then ends.
inline constexpr const char* outOfMemoryText = "Quorvel has run out of memory and must close.";
