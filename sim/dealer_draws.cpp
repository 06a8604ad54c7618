#include "sim/dealer_draws.h"

#include <algorithm>
#include <map>

namespace odds {
namespace {
constexpr int longestDraw = 12; // more cards than any dealer or player hand can take
} // namespace

std::vector<DealerDraw> dealerDraws(int upIndex, const Rules& rules) {
    std::map<std::array<std::uint8_t, values>, DealerDraw> found;
    std::array<std::uint8_t, values> drawn{};
    auto record = [&](DealerFinal result, int size) {
        DealerDraw& draw = found[drawn];
        draw.counts = drawn;
        draw.size = size;
        draw.result = result;
        draw.orders += 1;
    };
    // hard: the total with every ace as 1; cards: the dealer's cards, the up card included
    auto draw = [&](auto& self, int hard, bool hasAce, int cards) -> void {
        const bool soft = hasAce && hard + 10 <= 21;
        const int total = soft ? hard + 10 : hard;
        if (cards == 2 && total == 21) {
            if (!rules.naturalsSettledFirst) {
                record(DealerNatural, 1);
            }
            return; // settled first: the round ended at the deal and nobody played
        }
        if (total > 21) {
            record(DealerBust, cards - 1);
            return;
        }
        const bool hitsSoft17 = total == 17 && soft && rules.dealerHitsSoft17;
        if (total >= 17 && !hitsSoft17) {
            record(static_cast<DealerFinal>(Dealer17 + total - 17), cards - 1);
            return;
        }
        for (int index = 0; index < values; ++index) {
            ++drawn[static_cast<std::size_t>(index)];
            self(self, hard + valueAt(index), hasAce || index == ace, cards + 1);
            --drawn[static_cast<std::size_t>(index)];
        }
    };
    draw(draw, valueAt(upIndex), upIndex == ace, 1);
    std::vector<DealerDraw> draws;
    for (const auto& [counts, each] : found) {
        draws.push_back(each);
    }
    return draws;
}

DealerOutcome outcomeOf(const std::vector<DealerDraw>& draws, const Composition& shoe, int size) {
    // falling[v][k]: n (n - 1) ... (n - k + 1) for the n cards of value v; ordered[k] the same
    // for the whole shoe, inverted
    std::array<std::array<double, longestDraw + 1>, values> falling{};
    std::array<double, longestDraw + 1> ordered{};
    for (std::size_t v = 0; v < values; ++v) {
        falling[v][0] = 1;
        for (int k = 1; k <= longestDraw; ++k) {
            falling[v][static_cast<std::size_t>(k)] =
                falling[v][static_cast<std::size_t>(k - 1)] * std::max(0, shoe[v] - k + 1);
        }
    }
    ordered[0] = 1;
    for (int k = 1; k <= longestDraw; ++k) {
        const int left = size - k + 1;
        ordered[static_cast<std::size_t>(k)] =
            left > 0 ? ordered[static_cast<std::size_t>(k - 1)] / left : 0;
    }
    DealerOutcome outcome{};
    for (const DealerDraw& draw : draws) {
        double chance = draw.orders * ordered[static_cast<std::size_t>(draw.size)];
        for (std::size_t v = 0; v < values && chance != 0; ++v) {
            chance *= falling[v][draw.counts[v]];
        }
        outcome[draw.result] += chance;
    }
    return outcome;
}
} // namespace odds
