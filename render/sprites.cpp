#include "game/table_state.h"
#include "game/table_view_state.h"
#include "render/placement.h"
#include "render/surfaces.h"
#include "render/table_surface.h"

namespace {
void drawBadge(HandId hand, BadgeKind kind) {
    const Point at = badgePosition(hand, slotOf(hand), kind);
    canvasBadge(hand, kind, at);
}

void drawHandBadge(HandId hand, std::int32_t dealerTotal, bool dealerBusted, bool naturalCheck) {
    const BadgeKind kind =
        handBadge(handTotal(handFor(hand)), dealerTotal, dealerBusted, naturalCheck);
    drawBadge(hand, kind);
}
} // namespace

void TablePainter::paintNextCard(HandId hand) {
    const NextCard next = takeNextCard(hand); // advances the slot even when nothing is drawn
    const Point at = cardPosition(hand, next.slot);
    canvasCard(hand, next, at);
}

void TablePainter::paintResults(ResultTarget target, int naturalCheck) {
    const bool natural = naturalCheck != 0;
    const std::int32_t dealerTotal = handTotal(table.dealerHand);
    const std::optional<BadgeKind> dealer = dealerBadge(dealerTotal, natural);
    if (dealer) {
        drawBadge(DealerHandId, *dealer);
    }
    const bool dealerBusted = dealer == BadgeBust;
    if (target == ResultBoth || target == ResultPlayer) {
        drawHandBadge(PlayerHandId, dealerTotal, dealerBusted, natural);
    }
    if (target != ResultPlayer) {
        drawHandBadge(SplitHandId, dealerTotal, dealerBusted, natural);
    }
}
