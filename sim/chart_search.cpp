#include "sim/chart_search.h"

#include "sim/chart_evaluator.h"

#include <unordered_map>
#include <vector>

namespace odds {
namespace {
// Where a hand may be in the chart. Hard 4 to 11, soft 12 to 20 and hard 12 to 20 in that
// order: a hit only ever moves a hand to a later class, so the classes are solved from the
// last to the first. A total of 21 stands and has no class.
constexpr int classCount = 26;
int classOf(int total, bool soft) {
    if (total >= 21) {
        return -1;
    }
    if (soft) {
        return 8 + total - 12;
    }
    return total <= 11 ? total - 4 : 17 + total - 12;
}

// A hand met on the way, with what the player may do with it and how likely it is met.
struct Visit {
    PlayerHand hand;
    bool canDouble = false;
    double weight = 0;
};

// Moves the cell to the best code, only when it beats the present one by more than rounding.
template <typename Codes> bool choose(char& cell, const Codes& codes) {
    double present = 0;
    auto best = std::begin(codes);
    for (auto code = std::begin(codes); code != std::end(codes); ++code) {
        if (code->first == cell) {
            present = code->second;
        }
        if (code->second > best->second) {
            best = code;
        }
    }
    if (best->first == cell || best->second <= present + 1e-12) {
        return false;
    }
    cell = best->first;
    return true;
}

// How likely each hand is met under the chart, gathered by class; the splittable pairs apart.
void weigh(const UpCardShoe& shoe, const ChartEvaluator& evaluator,
           std::array<std::vector<Visit>, classCount>& classes, std::vector<Visit>& pairs) {
    const Rules& rules = shoe.rules();
    std::array<std::unordered_map<std::uint64_t, Visit>, classCount> met;
    auto meet = [&](const PlayerHand& hand, bool canDouble, double weight) {
        const int index = classOf(hand.total(), hand.soft());
        if (index < 0) {
            return;
        }
        const std::uint64_t key = hand.outKey() |
                                  static_cast<std::uint64_t>(hand.pairCardOut + 1) << 50 |
                                  std::uint64_t{canDouble} << 54;
        Visit& visit = met[static_cast<std::size_t>(index)][key];
        visit.hand = hand;
        visit.canDouble = canDouble;
        visit.weight += weight;
    };
    shoe.forEachDeal([&](const PlayerHand& hand, int first, int second, double chance) {
        if (isNatural(first, second)) {
            return;
        }
        const double splittable = shoe.pairChance(first, second);
        if (splittable > 0) {
            pairs.push_back(Visit{hand, true, chance * splittable});
            if (evaluator.codeFor(hand, true) == 'P') {
                const PlayerHand one = ChartEvaluator::splitHand(hand);
                for (int index = 0; index < values; ++index) {
                    const PlayerHand next = one.with(index);
                    const bool free = !(one.pairCardOut == ace && !rules.hitSplitAces);
                    if (free) {
                        meet(next, rules.doubleAfterSplit,
                             2 * chance * splittable * shoe.drawChance(one, index));
                    }
                }
            } else {
                meet(hand, true, chance * splittable);
            }
        }
        meet(hand, true, chance * (1 - splittable));
    });
    // a hit moves a hand to a later class, so each class is complete when it is reached
    for (std::size_t index = 0; index < classCount; ++index) {
        for (auto& [key, visit] : met[index]) {
            const char code = evaluator.codeFor(visit.hand, false);
            const bool hits = code == 'H' || (code == 'D' && !visit.canDouble);
            if (hits) {
                for (int card = 0; card < values; ++card) {
                    const double chance = shoe.drawChance(visit.hand, card);
                    const PlayerHand next = visit.hand.with(card);
                    if (chance > 0 && next.hard <= 21) {
                        meet(next, false, visit.weight * chance);
                    }
                }
            }
            classes[index].push_back(visit);
        }
    }
}

// Sets the cell of one class to the code with the best weighted value. Returns whether the
// code changed.
bool chooseTotalCode(int up, ChartEvaluator& evaluator, Chart& working,
                     const std::vector<Visit>& visits) {
    if (visits.empty()) {
        return false;
    }
    // [0] the hands that may double, [1] those that may not
    double standing[2] = {0, 0};
    double hitting[2] = {0, 0};
    double doubling = 0;
    for (const Visit& visit : visits) {
        const std::size_t kind = visit.canDouble ? 0 : 1;
        standing[kind] += visit.weight * evaluator.stand(visit.hand);
        hitting[kind] += visit.weight * evaluator.hit(visit.hand);
        if (visit.canDouble) {
            doubling += visit.weight * evaluator.doubled(visit.hand);
        }
    }
    const std::pair<char, double> codes[] = {
        {'H', hitting[0] + hitting[1]},
        {'S', standing[0] + standing[1]},
        {'D', doubling + hitting[1]},
        {'d', doubling + standing[1]},
    };
    const PlayerHand& hand = visits.front().hand;
    std::string& row = hand.soft() ? working.soft[static_cast<std::size_t>(hand.total() - 12)]
                                   : working.hard[static_cast<std::size_t>(hand.total())];
    return choose(row[chartColumn(valueAt(up))], codes);
}

bool choosePairCodes(int up, ChartEvaluator& evaluator, Chart& working,
                     const std::vector<Visit>& visits) {
    std::array<std::pair<char, double>, 2> byPair[values + 1] = {};
    for (const Visit& visit : visits) {
        auto& codes = byPair[static_cast<std::size_t>(visit.hand.hard / 2)];
        codes[0].first = 'P';
        codes[0].second += visit.weight * evaluator.split(visit.hand);
        codes[1].first = '.';
        codes[1].second += visit.weight * evaluator.handValue(visit.hand, true, false);
    }
    bool changed = false;
    for (std::size_t pair = 1; pair <= values; ++pair) {
        if (byPair[pair][0].first == 'P') {
            changed |= choose(working.pairs[pair][chartColumn(valueAt(up))], byPair[pair]);
        }
    }
    return changed;
}

} // namespace

void improveColumn(UpCardShoe& shoe, Chart& working) {
    for (bool changed = true; changed;) {
        // the cells change as the pass goes; the values already worked out stay
        ChartEvaluator evaluator(shoe, working);
        changed = false;
        std::array<std::vector<Visit>, classCount> classes;
        std::vector<Visit> pairs;
        weigh(shoe, evaluator, classes, pairs);
        for (int index = classCount - 1; index >= 0; --index) {
            changed |= chooseTotalCode(shoe.up(), evaluator, working,
                                       classes[static_cast<std::size_t>(index)]);
        }
        changed |= choosePairCodes(shoe.up(), evaluator, working, pairs);
    }
}
} // namespace odds
