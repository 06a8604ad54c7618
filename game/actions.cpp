#include "game/actions.h"

#include "game/bets.h"
#include "game/deal.h"
#include "game/table_state.h"

namespace {
bool overTwentyOne(HandId hand) {
    return handTotal(handFor(hand)) > 21;
}

void disableFirstActions(TableView& window) {
    window.enableButton(IDC_DOUBLE, false);
    window.enableButton(IDC_SPLIT, false);
}

void refresh(TableView& window) {
    window.invalidateRect(TableLayout::tableRect);
    window.invalidateRect(TableLayout::moneyRect);
    window.updateWindow();
}

// Play passes from the first hand of a split to the split hand, which may be doubled.
void moveToSplitHand(TableView& window) {
    table.activeHand = SplitHandId;
    window.enableButton(IDC_DOUBLE, true);
}
} // namespace

void onHit(TableView& window) {
    disableFirstActions(window);
    const HandId active = table.activeHand;
    dealCardTo(active);
    window.paintNextCard(active);
    if (overTwentyOne(active)) {
        if (!table.splitActive) {
            toggleBettingMode(window);
            settleBets();
            revealDealerHand(window);
            window.paintResults(ResultPlayer, 0);
            window.paintMoney();
        } else if (active == PlayerHandId) {
            table.firstHandBusted = true;
            table.activeHand = SplitHandId;
            window.paintResults(ResultPlayer, 0);
            window.enableButton(IDC_DOUBLE, true);
        } else if (table.firstHandBusted) {
            toggleBettingMode(window);
            settleBets();
            revealDealerHand(window);
            window.paintResults(ResultSplit, 0);
            window.paintMoney();
        } else {
            onStand(window);
        }
    }
    window.paintCounts();
    refresh(window);
}

void onStand(TableView& window) {
    disableFirstActions(window);
    if (table.splitActive && table.activeHand == PlayerHandId) {
        table.firstHandBusted = false;
        moveToSplitHand(window);
    } else {
        revealDealerHand(window);
        // the dealer stands on every 17, soft or hard
        while (handTotal(table.dealerHand) <= 16) {
            dealCardTo(DealerHandId);
            window.paintNextCard(DealerHandId);
            window.paintCounts();
            window.invalidateRect(TableLayout::tableRect);
            window.updateWindow();
        }
        toggleBettingMode(window);
        settleBets();
        window.paintMoney();
        window.paintCounts();
        window.paintResults(table.splitActive ? ResultBoth : ResultPlayer, 0);
    }
    refresh(window);
}

void onDouble(TableView& window) {
    disableFirstActions(window);
    const HandId active = table.activeHand;
    dealCardTo(active);
    window.paintNextCard(active);
    const bool bust = overTwentyOne(active);
    if (!table.splitActive) {
        table.playerDoubled = true;
        if (!bust) {
            onStand(window);
        } else {
            toggleBettingMode(window);
            revealDealerHand(window);
            settleBets();
            window.paintCounts();
            window.paintResults(ResultPlayer, 0);
            window.paintMoney();
        }
    } else if (active == PlayerHandId) {
        window.enableButton(IDC_DOUBLE, true);
        if (bust) {
            table.firstHandBusted = true;
            window.paintResults(ResultPlayer, 0);
        }
        window.paintCounts();
        table.playerDoubled = true;
        table.activeHand = SplitHandId;
    } else {
        table.splitDoubled = true;
        if (!bust || !table.firstHandBusted) {
            onStand(window);
        } else {
            settleBets();
            window.paintResults(ResultBoth, 0);
            window.paintMoney();
            revealDealerHand(window);
            toggleBettingMode(window);
            window.paintCounts();
        }
    }
    refresh(window);
}

void onSplit(TableView& window) {
    const Card moved = handCardAt(table.playerHand, 2);
    handAddCard(table.splitHand, moved);
    handRemoveCard(table.playerHand, 2);
    dealCardTo(PlayerHandId);
    dealCardTo(SplitHandId);
    table.playerSlot = 2;
    table.splitSlot = 1;
    if (moved.rank == 1) {
        // the ace left behind still counts 11, but coming off as 1 took its softness away
        ++table.playerHand.softAces;
    }
    table.splitActive = true;
    table.activeHand = PlayerHandId;
    window.paintSplitLabel();
    window.paintNextCard(PlayerHandId);
    window.paintNextCard(SplitHandId);
    window.paintNextCard(SplitHandId);
    window.paintCounts();
    window.enableButton(IDC_SPLIT, false);
    window.invalidateRect(TableLayout::tableRect);
    window.updateWindow();
}
