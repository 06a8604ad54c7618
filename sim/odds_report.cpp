#include "sim/odds_report.h"

#include "sim/json_line.h"
#include "sim/odds.h"

#include <cstdio>

namespace {
const char* const columnNames[chartColumns] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "A"};

// A row of the chart as players read it, with the cells that differ from the basic chart.
struct ChartRow {
    std::string section; // hard, soft, pairs
    std::string label;   // "12", "A,7", "8,8"
    const std::string* optimal;
    const std::string* basic;
};

// Hard 4 to 21, soft A,A to A,9 and the pairs 2,2 to 10,10 and A,A. Hard 4 (two twos) and
// soft A,A (two aces) are met unsplit only as a hand of a split, which may not split again.
std::vector<ChartRow> chartRows(const Chart& optimal) {
    const Chart& basic = chartFor(Strategy::Basic);
    std::vector<ChartRow> rows;
    for (std::size_t total = 4; total <= 21; ++total) {
        rows.push_back({"hard", std::to_string(total), &optimal.hard[total], &basic.hard[total]});
    }
    for (std::size_t other = 1; other <= 9; ++other) {
        const std::size_t soft = other + 11; // the ace counted 11
        rows.push_back({"soft", "A," + std::string(other == 1 ? "A" : std::to_string(other)),
                        &optimal.soft[soft - 12], &basic.soft[soft - 12]});
    }
    for (std::size_t value = 2; value <= 11; ++value) {
        const std::size_t pair = value == 11 ? 1 : value;
        const std::string name = value == 11 ? "A" : std::to_string(value);
        rows.push_back({"pairs", name + "," + name, &optimal.pairs[pair], &basic.pairs[pair]});
    }
    return rows;
}

// How a player's chart writes a code: d, double else stand, as Ds.
std::string shown(char code) {
    return code == 'd' ? "Ds" : std::string(1, code);
}

std::string percent(double value) {
    char figure[32];
    std::snprintf(figure, sizeof figure, "%+.4f%%", value);
    return figure;
}
} // namespace

OddsReport runOdds(std::int32_t stake) {
    OddsReport report;
    report.stake = stake;
    report.optimal = chartFor(Strategy::Optimal);
    for (const Strategy strategy : allStrategies) {
        report.returns.emplace_back(strategy, exactReturn(chartFor(strategy), stake));
    }
    return report;
}

std::string oddsText(const OddsReport& report) {
    const auto won = static_cast<std::int64_t>(report.stake) * 3 / 2;
    std::string text = "Exact result of a round off a full six-deck shoe at a stake of " +
                       std::to_string(report.stake) + " (a natural pays " + std::to_string(won) +
                       ")\n\n";
    char line[160];
    std::snprintf(line, sizeof line, "%-10s %12s %12s\n", "strategy", "return", "house edge");
    text += line;
    for (const auto& [strategy, exact] : report.returns) {
        std::snprintf(
            line, sizeof line, "%-10s %12s %12s\n", std::string(strategyName(strategy)).c_str(),
            percent(100 * exact.perRound).c_str(), percent(-100 * exact.perRound).c_str());
        text += line;
    }
    text += "\nReturn: the expected net result per round, in % of the stake. Every card dealt\n"
            "in the round is taken out of the shoe. A split is worked out with the usual\n"
            "approximation: each hand is played from the shoe less both pair cards and the up\n"
            "card, as if the other hand drew nothing.\n\n"
            "Optimal chart (H hit, S stand, D double else hit, Ds double else stand, P split,\n"
            ". play the total; * differs from the basic chart). Hard 4 and soft A,A are two\n"
            "twos or two aces in a hand of a split, which may not split again.\n";
    std::string section;
    for (const ChartRow& row : chartRows(report.optimal)) {
        if (row.section != section) {
            section = row.section;
            std::snprintf(line, sizeof line, "\n%-6s", section.c_str());
            text += line;
            for (const char* column : columnNames) {
                std::snprintf(line, sizeof line, "%-4s", column);
                text += line;
            }
            while (text.back() == ' ') {
                text.pop_back();
            }
            text += "\n";
        }
        std::snprintf(line, sizeof line, "%-6s", row.label.c_str());
        text += line;
        for (std::size_t column = 0; column < chartColumns; ++column) {
            const bool differs = (*row.optimal)[column] != (*row.basic)[column];
            std::snprintf(line, sizeof line, "%-4s",
                          (shown((*row.optimal)[column]) + (differs ? "*" : "")).c_str());
            text += line;
        }
        while (text.back() == ' ') {
            text.pop_back();
        }
        text += "\n";
    }
    return text;
}

std::string oddsJson(const OddsReport& report) {
    std::string lines;
    for (const auto& [strategy, exact] : report.returns) {
        lines += JsonLine{}
                     .text("strategy", strategyName(strategy))
                     .number("stake", report.stake)
                     .decimal("return", exact.perRound, 10)
                     .decimal("house_edge_percent", -100 * exact.perRound, 8)
                     .decimal("split_rate", exact.splitRate, 10)
                     .decimal("split_round_return", exact.perSplitRound, 10)
                     .str() +
                 "\n";
    }
    JsonLine chart;
    chart.text("chart", "optimal");
    chart.texts("columns",
                std::vector<std::string>(std::begin(columnNames), std::end(columnNames)));
    std::string section;
    JsonLine rows;
    std::vector<std::string> differences;
    const std::vector<ChartRow> all = chartRows(report.optimal);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const ChartRow& row = all[i];
        std::vector<std::string> cells;
        for (std::size_t column = 0; column < chartColumns; ++column) {
            cells.push_back(shown((*row.optimal)[column]));
            if ((*row.optimal)[column] != (*row.basic)[column]) {
                differences.push_back(row.section + " " + row.label + " v " + columnNames[column]);
            }
        }
        rows.texts(row.label, cells);
        if (i + 1 == all.size() || all[i + 1].section != row.section) {
            chart.raw(row.section, rows.str());
            rows = JsonLine{};
        }
    }
    chart.texts("differs_from_basic", differences);
    return lines + chart.str() + "\n";
}
