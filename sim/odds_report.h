#pragma once

#include "sim/odds.h"
#include "sim/strategy.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// What `quorvel-sim odds` prints: the exact return of every strategy at one stake, and the
// optimal chart set against the basic one.
struct OddsReport {
    std::int32_t stake = 5;
    std::vector<std::pair<Strategy, ExactReturn>> returns; // in stakes per round
    Chart optimal;
};

OddsReport runOdds(std::int32_t stake);

std::string oddsText(const OddsReport& report);
// One JSON object a line: one for each strategy, then the chart.
std::string oddsJson(const OddsReport& report);
