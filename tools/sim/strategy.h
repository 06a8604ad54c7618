#pragma once

#include "cards/card.h"
#include "cards/hand.h"
#include "game/table_view.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// How the player decides. Basic: a fixed chart by the hand against the dealer's up card, written
// by hand for six decks, the dealer standing on soft 17, one split, double on any first action
// also after a split. Stand: always stand. Dealer: hit while 16 or less, like the dealer.
// Optimal: the chart that the exact analyser (odds.h) computes as the best for this game.
enum class Strategy { Basic, Stand, Dealer, Optimal };

inline constexpr std::array<Strategy, 4> allStrategies{Strategy::Stand, Strategy::Dealer,
                                                       Strategy::Basic, Strategy::Optimal};

std::optional<Strategy> strategyFromName(std::string_view name);
std::string_view strategyName(Strategy strategy);

// A strategy as a chart: each row holds one code for each dealer up card, in the column order
// 2, 3, 4, 5, 6, 7, 8, 9, 10, A. H hit, S stand, D double (else hit), d double (else stand);
// in the pair rows P split and '.' play the hand by its total.
struct Chart {
    std::array<std::string, 22> hard;  // by hard total; rows 0 to 3 are never consulted
    std::array<std::string, 10> soft;  // soft 12 (two aces not split) to soft 21
    std::array<std::string, 11> pairs; // by the value of one card: 1 aces, 10 tens; row 0 unused
};

inline constexpr int chartColumns = 10;
// The column of an up card by its value (1 ace, 2 to 10).
inline constexpr std::size_t chartColumn(int upValue) {
    return upValue == 1 ? 9 : static_cast<std::size_t>(upValue - 2);
}

// The chart that the strategy plays; the optimal chart is computed on first use.
const Chart& chartFor(Strategy strategy);

// The chart's code for a hand of this total (soft when an ace counts 11), whose pair card has
// value pairValue when it may be split (0 when it may not), against an up card of this value.
// A total of 21 or more stands without consulting a row.
char chartCode(const Chart& chart, int total, bool soft, int pairValue, int upValue);

// What the player can see and press at a decision.
struct Decision {
    const Hand& hand; // the hand being played
    Card dealerUp;    // the dealer's second card, dealt face up
    bool canDouble;   // the Double button is enabled
    bool canSplit;    // the Split button is enabled
};

// Hit, Stand, Double or Split; Double and Split only when their buttons are enabled.
ControlId chooseAction(Strategy strategy, const Decision& decision);
