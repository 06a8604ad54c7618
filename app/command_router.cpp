#include "app/command_router.h"

#include "app/about_box.h"
#include "game/actions.h"
#include "game/bets.h"
#include "game/deal.h"
#include "session/session.h"

#include <QCoreApplication>
#include <QWidget>

#include <new>

namespace {
void runCommand(TableState& table, TableView& view, QWidget& window, std::int32_t command) {
    switch (command) {
    case IDC_DEAL:
        onDeal(table, view);
        break;
    case IDC_HIT:
        onHit(table, view);
        break;
    case IDC_STAND:
        onStand(table, view);
        break;
    case IDC_BETONE:
        onBetOne(table, view);
        break;
    case IDC_DOUBLE:
        onDouble(table, view);
        break;
    case IDC_SPLIT:
        onSplit(table, view);
        break;
    case IDC_BETFIVE:
        onBetFive(table, view);
        break;
    case IDC_BETTEN:
        onBetTen(table, view);
        break;
    case IDC_CLEAR:
        onClearBet(table, view);
        break;
    case ID_HELP_ABOUT:
        showAboutBox(window);
        break;
    case ID_FILE_EXIT:
        window.close(); // the same as the caption's close button
        break;
    default:
        break;
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
