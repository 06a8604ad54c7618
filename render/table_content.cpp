#include "render/table_content.h"

#include "render/canvas.h"

namespace {
ShownHand& handOf(TableContent& shown, HandId hand) {
    switch (hand) {
    case PlayerHandId:
        return shown.player;
    case SplitHandId:
        return shown.split;
    default:
        return shown.dealer;
    }
}

void readClear(TableContent& shown, Area area) {
    if (area == Area::cardArea) { // the card area holds the count panel too
        shown.dealer = {};
        shown.player = {};
        shown.split = {};
        shown.splitLabel = false;
        shown.counts.reset();
    } else if (area == Area::countPanel) {
        shown.counts = CountFigures{};
    }
}

void readFigure(TableContent& shown, Figure figure, std::int32_t value) {
    if (figure == Figure::bet) {
        shown.bet = value;
        return;
    }
    if (figure == Figure::bank) {
        shown.bank = value;
        return;
    }
    CountFigures& counts = shown.counts ? *shown.counts : shown.counts.emplace();
    if (figure == Figure::dealerCount) {
        counts.dealer = value;
    } else if (figure == Figure::playerCount) {
        counts.player = value;
    } else {
        counts.split = value;
        counts.splitRow = true;
    }
}
} // namespace

TableContent tableContent() {
    TableContent shown;
    for (const DrawOp& op : keptOperations()) {
        switch (op.kind) {
        case DrawOp::Kind::clear:
            readClear(shown, op.cleared);
            break;
        case DrawOp::Kind::splitLabel:
            shown.splitLabel = true;
            break;
        case DrawOp::Kind::figure:
            readFigure(shown, op.figure, op.value);
            break;
        case DrawOp::Kind::card: {
            // A card at a slot covers whatever lay there: the back of the hole card when it is
            // turned, the card that a split moved away.
            std::vector<ShownCard>& cards = handOf(shown, op.hand).cards;
            cards.resize(static_cast<std::size_t>(op.slot));
            cards.back() = {op.faceDown, op.card};
            break;
        }
        case DrawOp::Kind::badge:
            handOf(shown, op.hand).badge = op.badge;
            break;
        case DrawOp::Kind::label:
        case DrawOp::Kind::lines:
            break;
        }
    }
    return shown;
}
