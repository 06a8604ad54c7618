#include "app/command_router.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "game/actions.h"
#include "game/bets.h"
#include "game/deal.h"

void routeCommand(MainWindow& window, std::int32_t command) {
    TableView& view = window.view();
    switch (command) {
    case IDC_DEAL:
        onDeal(view);
        break;
    case IDC_HIT:
        onHit(view);
        break;
    case IDC_STAND:
        onStand(view);
        break;
    case IDC_BETONE:
        onBetOne(view);
        break;
    case IDC_DOUBLE:
        onDouble(view);
        break;
    case IDC_SPLIT:
        onSplit(view);
        break;
    case IDC_BETFIVE:
        onBetFive(view);
        break;
    case IDC_BETTEN:
        onBetTen(view);
        break;
    case IDC_CLEAR:
        onClearBet(view);
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
