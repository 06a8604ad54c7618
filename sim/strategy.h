#pragma once

#include "cards/card.h"
#include "cards/hand.h"
#include "game/table_view.h"
#include "sim/chart.h"

#include <array>
#include <optional>
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

// The chart that the strategy plays; the optimal chart is computed on first use.
const Chart& chartFor(Strategy strategy);

// What the player can see and press at a decision.
struct Decision {
    const Hand& hand; // the hand being played
    Card dealerUp;    // the dealer's second card, dealt face up
    bool canDouble;   // the Double button is enabled
    bool canSplit;    // the Split button is enabled
};

// Hit, Stand, Double or Split; Double and Split only when their buttons are enabled.
ControlId chooseAction(Strategy strategy, const Decision& decision);
