#include "game/table_state.h"
#include "game/table_view_state.h"
#include "render/layout.h"
#include "render/placement.h"
#include "render/surfaces.h"
#include "render/table_surface.h"

namespace {
void copyFromSheet(SheetId sheet, TableLayout::Point from, std::int32_t width, std::int32_t height,
                   TableLayout::Point to) {
    canvasSprite(sheet, {from.x, from.y, from.x + width, from.y + height}, {to.x, to.y});
}

void drawBadge(BadgeKind kind, TableLayout::Point at) {
    copyFromSheet(SheetId::results, {0, kind * TableLayout::badgeHeight}, badgeWidth(kind),
                  TableLayout::badgeHeight, at);
}

void drawHandBadge(HandId hand, std::int32_t dealerTotal, bool dealerBusted, bool naturalCheck) {
    const BadgeKind kind =
        handBadge(handTotal(handFor(hand)), dealerTotal, dealerBusted, naturalCheck);
    drawBadge(kind, badgePosition(hand, slotOf(hand), kind));
    if (canvasReady()) {
        shownHand(hand).badge = kind;
    }
}

// A card drawn at a slot covers whatever lay there: the back of the hole card when it is
// turned, the card that a split moved away.
void noteCard(HandId hand, const NextCard& next) {
    if (!canvasReady()) {
        return;
    }
    std::vector<ShownCard>& cards = shownHand(hand).cards;
    cards.resize(static_cast<std::size_t>(next.slot));
    cards.back() = {next.faceDown, next.faceDown ? Card{} : next.card};
}
} // namespace

void TablePainter::paintNextCard(HandId hand) {
    const NextCard next = takeNextCard(hand); // advances the slot even when nothing is drawn
    copyFromSheet(SheetId::cards, cardCell(next), TableLayout::cardWidth, TableLayout::cardHeight,
                  cardPosition(hand, next.slot));
    noteCard(hand, next);
}

void TablePainter::paintResults(ResultTarget target, int naturalCheck) {
    const bool natural = naturalCheck != 0;
    const std::int32_t dealerTotal = handTotal(table.dealerHand);
    const std::optional<BadgeKind> dealer = dealerBadge(dealerTotal, natural);
    if (dealer) {
        drawBadge(*dealer, badgePosition(DealerHandId, table.dealerSlot, *dealer));
        if (canvasReady()) {
            shownContent().dealer.badge = *dealer;
        }
    }
    const bool dealerBusted = dealer == BadgeBust;
    if (target == ResultBoth || target == ResultPlayer) {
        drawHandBadge(PlayerHandId, dealerTotal, dealerBusted, natural);
    }
    if (target != ResultPlayer) {
        drawHandBadge(SplitHandId, dealerTotal, dealerBusted, natural);
    }
}
