#pragma once

#include <cstdint>

class QWidget;
class TableView;
struct TableState;

// Menu command ids; the buttons send their control ids (0 to 8). The values are the game's own
// numbers for File > Exit and Help > About, kept as they have always been; any numbers clear of
// the buttons' would do, since one command number must say which control sent it.
enum MenuCommand : std::int32_t { ID_HELP_ABOUT = 40002, ID_FILE_EXIT = 40006 };

// Every command of the window, from a button or the menu, goes through here to its handler: the
// round's commands to the round logic of `table` through `view`, Exit and About to `window`. A
// command that runs out of memory ends the program with a message and exit code 1.
void routeCommand(TableState& table, TableView& view, QWidget& window, std::int32_t command);
