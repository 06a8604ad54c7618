#include "render/table_content.h"

#include "render/canvas.h"

#include <array>
#include <variant>

namespace {
ShownHand& handOf(TableContent& shown, HandId hand) {
    const std::array<ShownHand*, handCount> hands{&shown.player, &shown.dealer, &shown.split};
    return *hands[handIndex(hand)];
}

void read(TableContent& shown, const ClearOp& op) {
    if (op.cleared == Area::cardArea) { // the card area holds the count panel too
        shown.dealer = {};
        shown.player = {};
        shown.split = {};
        shown.splitLabel = false;
        shown.counts.reset();
    } else if (op.cleared == Area::countPanel) {
        shown.counts = CountFigures{};
    }
}

void read(TableContent& shown, const FigureOp& op) {
    if (op.figure == Figure::bet) {
        shown.bet = op.value;
        return;
    }
    if (op.figure == Figure::bank) {
        shown.bank = op.value;
        return;
    }
    CountFigures& counts = shown.counts ? *shown.counts : shown.counts.emplace();
    if (op.figure == Figure::dealerCount) {
        counts.dealer = op.value;
    } else if (op.figure == Figure::playerCount) {
        counts.player = op.value;
    } else {
        counts.split = op.value;
        counts.splitRow = true;
    }
}

void read(TableContent& shown, const SplitLabelOp&) {
    shown.splitLabel = true;
}

// A card at a slot covers whatever lay there: the back of the hole card when it is turned, the
// card that a split moved away.
void read(TableContent& shown, const CardOp& op) {
    std::vector<ShownCard>& cards = handOf(shown, op.hand).cards;
    cards.resize(static_cast<std::size_t>(op.slot));
    cards.back() = {op.faceDown, op.card};
}

void read(TableContent& shown, const BadgeOp& op) {
    handOf(shown, op.hand).badge = op.badge;
}

// The hand and panel labels and the Money box's frame say nothing of the round.
void read(TableContent&, const LabelOp&) {}
void read(TableContent&, const LinesOp&) {}
} // namespace

TableContent tableContent(const Canvas& canvas) {
    TableContent shown;
    for (const DrawOp& op : keptOperations(canvas)) {
        std::visit([&](const auto& each) { read(shown, each); }, op);
    }
    return shown;
}
