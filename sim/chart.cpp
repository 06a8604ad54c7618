#include "sim/chart.h"

Chart standingChart(int standAt) {
    Chart chart;
    for (std::size_t total = 0; total < chart.hard.size(); ++total) {
        chart.hard[total] =
            std::string(chartColumns, static_cast<int>(total) < standAt ? 'H' : 'S');
    }
    for (std::size_t row = 0; row < chart.soft.size(); ++row) {
        chart.soft[row] =
            std::string(chartColumns, static_cast<int>(row) + 12 < standAt ? 'H' : 'S');
    }
    chart.pairs.fill(std::string(chartColumns, '.'));
    return chart;
}

char chartCode(const Chart& chart, int total, bool soft, int pairValue, int upValue) {
    const std::size_t column = chartColumn(upValue);
    if (pairValue > 0 && chart.pairs[static_cast<std::size_t>(pairValue)][column] == 'P') {
        return 'P';
    }
    if (total >= 21) {
        return 'S';
    }
    if (soft && total >= 12) {
        return chart.soft[static_cast<std::size_t>(total - 12)][column];
    }
    return chart.hard[static_cast<std::size_t>(total < 0 ? 0 : total)][column];
}
