#pragma once

#include "game/table_layout.h"
#include "game/table_view.h"

#include <array>
#include <cstdint>
#include <string_view>

struct TableState;

// What a press of a control does to the round.
using RoundStep = void (*)(TableState& table, TableView& view);

// One of the nine push buttons below the table: everything the round logic, the window, keyboard
// play, the replays and the benchmarks know of it, written once.
struct Control {
    ControlId id;
    std::string_view word; // its name in replays and test reports
    const char* caption;   // in English; translated in the context "Buttons"
    Rect rect;
    RoundStep press;
    bool enabledAtStart;      // the game starts between rounds
    std::int32_t tabPosition; // 0 for the first that Tab reaches
};

// The nine in the order the window creates them, which is the order of the window's children
// for assistive technology.
extern const std::array<Control, buttonCount> controls;

const Control& control(ControlId id);
