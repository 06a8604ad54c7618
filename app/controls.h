#pragma once

#include "app/table_button.h"
#include "game/controls.h"

#include <array>
#include <cstdint>
#include <functional>

class QWidget;

// The caption in the player's language.
QString buttonCaption(const Control& control);

// Indexed by control id.
using Buttons = std::array<TableButton*, buttonCount>;

// Creates the nine buttons of the table of controls on `area`, the area below the menu bar (whose
// top-left the table shares), each sending its control id to `command` when clicked, and enabled
// as the game starts. When a button cannot be made (std::bad_alloc), those already made are removed
// before it rethrows.
Buttons createControls(QWidget& area, const std::function<void(std::int32_t)>& command);
