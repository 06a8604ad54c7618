#include "app/command_router.h"

#include "app/about_box.h"
#include "game/controls.h"
#include "session/session.h"

#include <QCoreApplication>
#include <QWidget>

#include <new>

namespace {
void runCommand(TableState& table, TableView& view, QWidget& window, std::int32_t command) {
    if (command >= 0 && command < buttonCount) {
        control(static_cast<ControlId>(command)).press(table, view);
    } else if (command == ID_HELP_ABOUT) {
        showAboutBox(window);
    } else if (command == ID_FILE_EXIT) {
        window.close(); // the same as the caption's close button
    }
}
} // namespace

void routeCommand(TableState& table, TableView& view, QWidget& window, std::int32_t command) {
    try {
        runCommand(table, view, window, command);
    } catch (const std::bad_alloc&) {
        // A card or a picture could not be made in the middle of a round, which cannot then be
        // finished: no further command is taken, and the program ends with a failure once the
        // player has read why. Leaving the event loop frees everything on the way out.
        window.setEnabled(false);
        reportFailure(&window, outOfMemoryText);
        QCoreApplication::exit(1);
    }
}
