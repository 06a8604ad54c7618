#pragma once

#include "game/table_state.h"

#include <cstdint>

// What every table view reads from the table state, kept here so each view counts alike.

// The figures of the count panel as the player sees them.
struct CountFigures {
    std::int32_t dealer = 0; // without the hole card until it is turned
    std::int32_t player = 0;
    std::int32_t split = 0;
    bool splitRow = false;
};
CountFigures countFigures(const TableState& table);
