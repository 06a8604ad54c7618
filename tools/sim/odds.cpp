#include "tools/sim/odds.h"

#include <algorithm>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {
constexpr int values = 10; // card values: index 0 the ace, 9 the ten-valued cards
constexpr int ace = 0;
constexpr int ten = 9;
constexpr int longestDraw = 12; // more cards than any dealer or player hand can take

int valueAt(int index) {
    return index + 1;
}

// ---- The dealer ------------------------------------------------------------------------------

// One set of cards that ends the dealer's hand, with the number of orders in which the dealer
// can draw it (an order that would have stood earlier does not count). The chance of each order
// depends only on the set, so the chance of the set is that number times the chance of one.
struct DealerDraw {
    std::array<std::uint8_t, values> counts{};
    int size = 0;
    DealerFinal result = Dealer17;
    double orders = 0;
};

// Every way the dealer's hand can end, for an up card and the rules.
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

// The chance of each way the dealer's hand ends, drawing from `shoe` of `size` cards.
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

// ---- The player ------------------------------------------------------------------------------

// A hand of the player's, with the cards out of the shoe while it is played: its own and, in a
// split, the other hand's pair card.
struct PlayerHand {
    Composition out{};
    int outCount = 0;
    int hard = 0; // every ace as 1
    bool hasAce = false;
    int cards = 0;
    int pairCardOut = -1; // in a split, the value index of the other hand's pair card

    bool soft() const { return hasAce && hard + 10 <= 21; }
    int total() const { return soft() ? hard + 10 : hard; }

    PlayerHand with(int index) const {
        PlayerHand next = *this;
        ++next.out[static_cast<std::size_t>(index)];
        ++next.outCount;
        next.hard += valueAt(index);
        next.hasAce = hasAce || index == ace;
        ++next.cards;
        return next;
    }

    // The cards out of the shoe, five bits a value.
    std::uint64_t outKey() const {
        std::uint64_t key = 0;
        for (std::size_t v = 0; v < values; ++v) {
            key |= static_cast<std::uint64_t>(out[v]) << (5 * v);
        }
        return key;
    }
};

bool isNatural(int first, int second) {
    return (first == ace && second == ten) || (first == ten && second == ace);
}

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

// The round for one up card: the chance of every deal, and the value of every hand under a chart.
// Values are "joint": the expected result times the chance that the dealer has no natural when
// naturals are settled first, which lets hands of different shoes be added up as they stand.
class UpCardAnalysis {
  public:
    UpCardAnalysis(int upIndex, const Rules& rules, const Composition& fullShoe)
        : up(upIndex), rules(rules), draws(dealerDraws(upIndex, rules)), shoe(fullShoe) {
        --shoe[static_cast<std::size_t>(upIndex)];
        for (const int count : shoe) {
            shoeSize += count;
        }
        // two ten-valued cards split only when they are of the same rank: four ranks of tens
        const int tensPerRank = fullShoe[ten] / 4;
        sameRankTens = static_cast<double>(tensPerRank - 1) / (fullShoe[ten] - 1);
    }

    // The expected result of a round with this up card, and of the rounds that are split.
    ExactReturn roundValue(const Chart& played, double pays) {
        naturalPays = pays;
        useChart(played);
        ExactReturn sum;
        forEachDeal([&](const PlayerHand& hand, int first, int second, double chance) {
            if (isNatural(first, second)) {
                const double paid = rules.naturalPaidAgainstDealer21 ? 1 : 1 - dealerNatural(hand);
                sum.perRound += chance * pays * paid;
                return;
            }
            double value = rules.naturalsSettledFirst ? noNatural(hand) - 1 : 0;
            const double splittable = pairChance(first, second);
            if (splittable > 0) {
                const double asPair = handValue(hand, true, true);
                value += splittable * asPair;
                if (codeFor(hand, true) == 'P') {
                    sum.splitRate += chance * splittable * noNatural(hand);
                    sum.perSplitRound += chance * splittable * asPair;
                }
            }
            value += (1 - splittable) * handValue(hand, true, false);
            sum.perRound += chance * value;
        });
        return sum;
    }

    // Improves the chart's column for this up card until no single cell can do better.
    void improve(Chart& working) {
        for (bool changed = true; changed;) {
            useChart(working);
            changed = false;
            std::array<std::vector<Visit>, classCount> classes;
            std::vector<Visit> pairs;
            weigh(classes, pairs);
            for (int index = classCount - 1; index >= 0; --index) {
                changed |= chooseTotalCode(working, classes[static_cast<std::size_t>(index)]);
            }
            changed |= choosePairCodes(working, pairs);
        }
    }

  private:
    // ---- the deal

    // Calls back with the player's two cards and their chance for every deal, given the up card.
    template <typename Each> void forEachDeal(Each each) {
        for (int first = 0; first < values; ++first) {
            for (int second = first; second < values; ++second) {
                const PlayerHand hand = PlayerHand{}.with(first).with(second);
                const double ways = first == second ? 1 : 2;
                const double chance = ways * shoe[static_cast<std::size_t>(first)] *
                                      (shoe[static_cast<std::size_t>(second)] - (first == second)) /
                                      (static_cast<double>(shoeSize) * (shoeSize - 1));
                if (chance > 0) {
                    each(hand, first, second, chance);
                }
            }
        }
    }

    // The chance that a dealt pair may be split.
    double pairChance(int first, int second) const {
        if (first != second || !rules.splitAllowed) {
            return 0;
        }
        return first == ten ? sameRankTens : 1;
    }

    // ---- the shoe and the dealer

    double drawChance(const PlayerHand& hand, int index) const {
        const auto v = static_cast<std::size_t>(index);
        return static_cast<double>(shoe[v] - hand.out[v]) / (shoeSize - hand.outCount);
    }

    // The chance that the hole card makes the dealer a natural, with the hand's cards out.
    double dealerNatural(const PlayerHand& hand) const {
        if (up != ace && up != ten) {
            return 0;
        }
        const auto completes = static_cast<std::size_t>(up == ace ? ten : ace);
        return static_cast<double>(shoe[completes] - hand.out[completes]) /
               (shoeSize - hand.outCount);
    }

    // The chance that play goes on past the deal: 1 when a natural is found only at the end.
    double noNatural(const PlayerHand& hand) const {
        return rules.naturalsSettledFirst ? 1 - dealerNatural(hand) : 1;
    }

    const DealerOutcome& dealer(const PlayerHand& hand) {
        const auto [where, added] = dealerCache.try_emplace(hand.outKey());
        if (added) {
            Composition left = shoe;
            for (std::size_t v = 0; v < values; ++v) {
                left[v] -= hand.out[v];
            }
            where->second = outcomeOf(draws, left, shoeSize - hand.outCount);
        }
        return where->second;
    }

    // ---- the value of each action

    double stand(const PlayerHand& hand) {
        const DealerOutcome& outcome = dealer(hand);
        const int total = hand.total();
        double value = outcome[DealerBust] - outcome[DealerNatural];
        for (int final = Dealer17; final <= Dealer21; ++final) {
            const int dealerTotal = 17 + final - Dealer17;
            const double chance = outcome[static_cast<std::size_t>(final)];
            value += total > dealerTotal ? chance : total < dealerTotal ? -chance : 0;
        }
        return value;
    }

    // A hand over 21 loses its stakes whatever the dealer holds.
    double bust(const PlayerHand& hand, double stakes) const { return -stakes * noNatural(hand); }

    // The expected value over the next card drawn to the hand.
    template <typename Value> double overNextCard(const PlayerHand& hand, Value value) {
        double sum = 0;
        for (int index = 0; index < values; ++index) {
            const double chance = drawChance(hand, index);
            if (chance > 0) {
                sum += chance * value(hand.with(index));
            }
        }
        return sum;
    }

    double hit(const PlayerHand& hand) {
        return overNextCard(hand, [this](const PlayerHand& next) {
            return next.hard > 21 ? bust(next, 1) : handValue(next, false, false);
        });
    }

    double doubled(const PlayerHand& hand) {
        return overNextCard(hand, [this](const PlayerHand& next) {
            return next.hard > 21 ? bust(next, 2) : 2 * stand(next);
        });
    }

    // The first hand of a split, with one pair card; its card and the rest of its play. The
    // second hand is worth the same: each plays as if the other drew nothing.
    PlayerHand splitHand(const PlayerHand& pair) const {
        const int pairCard = pair.hard / 2 - 1; // two aces count 2 as hard
        PlayerHand hand = PlayerHand{}.with(pairCard);
        ++hand.out[static_cast<std::size_t>(pairCard)];
        ++hand.outCount;
        hand.pairCardOut = pairCard;
        return hand;
    }

    double split(const PlayerHand& pair) {
        return 2 * overNextCard(splitHand(pair),
                                [this](const PlayerHand& next) { return splitHandValue(next); });
    }

    // A hand of a split with its second card.
    double splitHandValue(const PlayerHand& hand) {
        if (rules.naturalAfterSplit && hand.total() == 21) { // an ace and a ten
            return naturalPays * noNatural(hand);
        }
        if (hand.pairCardOut == ace && !rules.hitSplitAces) {
            return stand(hand);
        }
        return handValue(hand, rules.doubleAfterSplit, false);
    }

    char codeFor(const PlayerHand& hand, bool canSplit) const {
        const int pairValue = canSplit ? hand.hard / 2 : 0; // two aces count 2 as hard
        return chartCode(*chart, hand.total(), hand.soft(), pairValue, valueAt(up));
    }

    // The hand's value as the chart plays it, as `play` reads the chart.
    double handValue(const PlayerHand& hand, bool canDouble, bool canSplit) {
        const std::uint64_t key = hand.outKey() |
                                  static_cast<std::uint64_t>(hand.pairCardOut + 1) << 50 |
                                  std::uint64_t{canDouble} << 54 | std::uint64_t{canSplit} << 55;
        if (const auto found = values_.find(key); found != values_.end()) {
            return found->second;
        }
        double value = 0;
        switch (codeFor(hand, canSplit)) {
        case 'P':
            value = canSplit ? split(hand) : hit(hand);
            break;
        case 'D':
            value = canDouble ? doubled(hand) : hit(hand);
            break;
        case 'd':
            value = canDouble ? doubled(hand) : stand(hand);
            break;
        case 'S':
            value = stand(hand);
            break;
        default:
            value = hit(hand);
        }
        values_.emplace(key, value);
        return value;
    }

    void useChart(const Chart& played) {
        chart = &played;
        values_.clear();
    }

    // ---- finding the best chart

    // How likely each hand is met under the chart, gathered by class; the splittable pairs apart.
    void weigh(std::array<std::vector<Visit>, classCount>& classes, std::vector<Visit>& pairs) {
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
        forEachDeal([&](const PlayerHand& hand, int first, int second, double chance) {
            if (isNatural(first, second)) {
                return;
            }
            const double splittable = pairChance(first, second);
            if (splittable > 0) {
                pairs.push_back(Visit{hand, true, chance * splittable});
                if (codeFor(hand, true) == 'P') {
                    const PlayerHand one = splitHand(hand);
                    for (int index = 0; index < values; ++index) {
                        const PlayerHand next = one.with(index);
                        const bool free = !(one.pairCardOut == ace && !rules.hitSplitAces);
                        if (free) {
                            meet(next, rules.doubleAfterSplit,
                                 2 * chance * splittable * drawChance(one, index));
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
                const char code = codeFor(visit.hand, false);
                const bool hits = code == 'H' || (code == 'D' && !visit.canDouble);
                if (hits) {
                    for (int card = 0; card < values; ++card) {
                        const double chance = drawChance(visit.hand, card);
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
    bool chooseTotalCode(Chart& working, const std::vector<Visit>& visits) {
        if (visits.empty()) {
            return false;
        }
        // [0] the hands that may double, [1] those that may not
        double standing[2] = {0, 0};
        double hitting[2] = {0, 0};
        double doubling = 0;
        for (const Visit& visit : visits) {
            const std::size_t kind = visit.canDouble ? 0 : 1;
            standing[kind] += visit.weight * stand(visit.hand);
            hitting[kind] += visit.weight * hit(visit.hand);
            if (visit.canDouble) {
                doubling += visit.weight * doubled(visit.hand);
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

    bool choosePairCodes(Chart& working, const std::vector<Visit>& visits) {
        std::array<std::pair<char, double>, 2> byPair[values + 1] = {};
        for (const Visit& visit : visits) {
            auto& codes = byPair[static_cast<std::size_t>(visit.hand.hard / 2)];
            codes[0].first = 'P';
            codes[0].second += visit.weight * split(visit.hand);
            codes[1].first = '.';
            codes[1].second += visit.weight * handValue(visit.hand, true, false);
        }
        bool changed = false;
        for (std::size_t pair = 1; pair <= values; ++pair) {
            if (byPair[pair][0].first == 'P') {
                changed |= choose(working.pairs[pair][chartColumn(valueAt(up))], byPair[pair]);
            }
        }
        return changed;
    }

    // Moves the cell to the best code, only when it beats the present one by more than rounding.
    template <typename Codes> static bool choose(char& cell, const Codes& codes) {
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

    int up;
    Rules rules;
    std::vector<DealerDraw> draws;
    Composition shoe; // the full shoe less the up card
    int shoeSize = 0;
    double sameRankTens = 1;
    double naturalPays = 1.5;
    const Chart* chart = nullptr;
    std::unordered_map<std::uint64_t, DealerOutcome> dealerCache;
    std::unordered_map<std::uint64_t, double> values_;
};

// The round for every up card, with what each has worked out kept for the next question.
class Analysis {
  public:
    explicit Analysis(const Rules& rules) {
        const Composition full = sixDeckShoe();
        for (int up = 0; up < values; ++up) {
            ups.push_back(std::make_unique<UpCardAnalysis>(up, rules, full));
            upChance[static_cast<std::size_t>(up)] = full[static_cast<std::size_t>(up)] / 312.0;
        }
    }

    ExactReturn roundReturn(const Chart& chart, std::int32_t stake) {
        ExactReturn sum;
        for (std::size_t up = 0; up < values; ++up) {
            const ExactReturn one = ups[up]->roundValue(chart, naturalPayout(stake));
            sum.perRound += upChance[up] * one.perRound;
            sum.splitRate += upChance[up] * one.splitRate;
            sum.perSplitRound += upChance[up] * one.perSplitRound;
        }
        if (sum.splitRate > 0) {
            sum.perSplitRound /= sum.splitRate;
        }
        return sum;
    }

    // Starts from drawing like the dealer, with no double and no split, so that nothing of the
    // written chart goes into the computed one.
    Chart best() {
        Chart working = chartFor(Strategy::Dealer);
        for (auto& up : ups) {
            up->improve(working);
        }
        return working;
    }

  private:
    std::vector<std::unique_ptr<UpCardAnalysis>> ups;
    std::array<double, values> upChance{};
};

Analysis& gameAnalysis() {
    static Analysis analysis{Rules{}};
    return analysis;
}
} // namespace

Composition sixDeckShoe() {
    Composition shoe;
    shoe.fill(24);
    shoe[ten] = 96;
    return shoe;
}

DealerOutcome dealerOutcome(const Composition& shoe, int up, const Rules& rules) {
    int size = 0;
    for (const int count : shoe) {
        size += count;
    }
    return outcomeOf(dealerDraws(up - 1, rules), shoe, size);
}

double naturalPayout(std::int32_t stake) {
    return static_cast<double>(std::int64_t{3} * stake / 2) / stake;
}

ExactReturn exactReturn(const Chart& chart, std::int32_t stake, const Rules& rules) {
    if (rules == Rules{}) {
        return gameAnalysis().roundReturn(chart, stake);
    }
    return Analysis(rules).roundReturn(chart, stake);
}

ExactReturn exactReturn(Strategy strategy, std::int32_t stake) {
    return exactReturn(chartFor(strategy), stake);
}

Chart bestChart(const Rules& rules) {
    if (rules == Rules{}) {
        return gameAnalysis().best();
    }
    return Analysis(rules).best();
}
