#include "game/actions.h"

#include "game/bets.h"
#include "game/deal.h"
#include "game/table_state.h"

namespace {
bool overTwentyOne(const TableState& table, HandId hand) {
    return handTotal(handState(table, hand).hand) > 21;
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
void moveToSplitHand(TableState& table, TableView& window) {
    table.activeHand = SplitHandId;
    window.enableButton(IDC_DOUBLE, true);
}
} // namespace

void onHit(TableState& table, TableView& window) {
    disableFirstActions(window);
    const HandId active = table.activeHand;
    dealCardTo(table, active);
    paintNextCard(table, window, active);
    if (overTwentyOne(table, active)) {
        if (!table.splitActive) {
            toggleBettingMode(table, window);
            settleBets(table);
            revealDealerHand(table, window);
            window.paintResults(ResultPlayer, RoundEnd::play);
            window.paintMoney();
        } else if (active == PlayerHandId) {
            table.firstHandBusted = true;
            table.activeHand = SplitHandId;
            window.paintResults(ResultPlayer, RoundEnd::play);
            window.enableButton(IDC_DOUBLE, true);
        } else if (table.firstHandBusted) {
            toggleBettingMode(table, window);
            settleBets(table);
            revealDealerHand(table, window);
            window.paintResults(ResultSplit, RoundEnd::play);
            window.paintMoney();
        } else {
            onStand(table, window);
        }
    }
    window.paintCounts();
    refresh(window);
}

void onStand(TableState& table, TableView& window) {
    disableFirstActions(window);
    if (table.splitActive && table.activeHand == PlayerHandId) {
        table.firstHandBusted = false;
        moveToSplitHand(table, window);
    } else {
        revealDealerHand(table, window);
        // the dealer stands on every 17, soft or hard
        while (handTotal(handState(table, DealerHandId).hand) <= 16) {
            dealCardTo(table, DealerHandId);
            paintNextCard(table, window, DealerHandId);
            window.paintCounts();
            window.invalidateRect(TableLayout::tableRect);
            window.updateWindow();
        }
        toggleBettingMode(table, window);
        settleBets(table);
        window.paintMoney();
        window.paintCounts();
        window.paintResults(table.splitActive ? ResultBoth : ResultPlayer, RoundEnd::play);
    }
    refresh(window);
}

void onDouble(TableState& table, TableView& window) {
    disableFirstActions(window);
    const HandId active = table.activeHand;
    dealCardTo(table, active);
    paintNextCard(table, window, active);
    const bool bust = overTwentyOne(table, active);
    if (!table.splitActive) {
        handState(table, PlayerHandId).doubled = true;
        if (!bust) {
            onStand(table, window);
        } else {
            toggleBettingMode(table, window);
            revealDealerHand(table, window);
            settleBets(table);
            window.paintCounts();
            window.paintResults(ResultPlayer, RoundEnd::play);
            window.paintMoney();
        }
    } else if (active == PlayerHandId) {
        window.enableButton(IDC_DOUBLE, true);
        if (bust) {
            table.firstHandBusted = true;
            window.paintResults(ResultPlayer, RoundEnd::play);
        }
        window.paintCounts();
        handState(table, PlayerHandId).doubled = true;
        table.activeHand = SplitHandId;
    } else {
        handState(table, SplitHandId).doubled = true;
        if (!bust || !table.firstHandBusted) {
            onStand(table, window);
        } else {
            settleBets(table);
            window.paintResults(ResultBoth, RoundEnd::play);
            window.paintMoney();
            revealDealerHand(table, window);
            toggleBettingMode(table, window);
            window.paintCounts();
        }
    }
    refresh(window);
}

void onSplit(TableState& table, TableView& window) {
    Hand& first = handState(table, PlayerHandId).hand;
    const Card moved = handCardAt(first, 2);
    handAddCard(handState(table, SplitHandId).hand, moved);
    handRemoveCard(first, 2);
    dealCardTo(table, PlayerHandId);
    dealCardTo(table, SplitHandId);
    handState(table, PlayerHandId).slot = 2;
    handState(table, SplitHandId).slot = 1;
    if (moved.rank == 1) {
        // the ace left behind still counts 11, but coming off as 1 took its softness away
        ++first.softAces;
    }
    table.splitActive = true;
    table.activeHand = PlayerHandId;
    window.paintSplitLabel();
    paintNextCard(table, window, PlayerHandId);
    paintNextCard(table, window, SplitHandId);
    paintNextCard(table, window, SplitHandId);
    window.paintCounts();
    window.enableButton(IDC_SPLIT, false);
    window.invalidateRect(TableLayout::tableRect);
    window.updateWindow();
}
