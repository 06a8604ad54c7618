#pragma once

#include "app/table_button.h"
#include "game/table_layout.h"
#include "game/table_view.h"

#include <array>
#include <cstdint>
#include <functional>

class QWidget;

// One push button below the table, in coordinates of the area below the menu bar, whose top-left
// the table shares.
struct ButtonPlace {
    ControlId id;
    const char* caption; // in English
    Rect rect;
};

// The nine buttons in the order they are created.
extern const std::array<ButtonPlace, buttonCount> buttonPlaces;

// The caption in the player's language.
QString buttonCaption(const ButtonPlace& place);

// Indexed by control id.
using Buttons = std::array<TableButton*, buttonCount>;

// Creates the nine buttons on `area`, the area below the menu bar, each sending its control id to
// `command` when clicked, and disables Hit, Stand, Double and Split: the game starts between
// rounds. When a button cannot be made (std::bad_alloc), those already made are removed before it
// rethrows.
Buttons createControls(QWidget& area, const std::function<void(std::int32_t)>& command);
