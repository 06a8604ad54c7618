#pragma once

#include <array>
#include <cstddef>
#include <string>

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

// Hit below `standAt` and stand from it, hard or soft; never double or split.
Chart standingChart(int standAt);

// The chart's code for a hand of this total (soft when an ace counts 11), whose pair card has
// value pairValue when it may be split (0 when it may not), against an up card of this value.
// A total of 21 or more stands without consulting a row.
char chartCode(const Chart& chart, int total, bool soft, int pairValue, int upValue);
