#include "tools/bench/engine_bench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

#ifdef QUORVEL_BENCH_RENDER
#include "render/canvas.h"
#include "render/table_surface.h"

#include <QGuiApplication>
#endif

namespace {
// Shows the usual table and keeps each benchmark's time per iteration (real time, or the
// timed part alone for manual-time benchmarks), to print every figure
// as a multiple of the floor at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const double nanoseconds = run.GetAdjustedRealTime() /
                                           benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
                timings[run.benchmark_name()].push_back(nanoseconds);
                if (order.empty() || order.back() != run.benchmark_name()) {
                    order.push_back(run.benchmark_name());
                }
            }
        }
    }

    void printRatios() {
        const auto floor = timings.find(floorBenchmark);
        if (floor == timings.end()) {
            return;
        }
        const double floorTime = median(floor->second);
        std::ostream& out = GetOutputStream();
        char line[160];
        std::snprintf(line, sizeof line,
                      "\nRatios to the floor, one copy of 800 x 600 x 4 bytes (%.0f ns):\n",
                      floorTime);
        out << line;
        for (const std::string& name : order) {
            const double time = median(timings.at(name));
            std::snprintf(line, sizeof line, "  %-40s %10.0f ns  %8.4f x floor\n", name.c_str(),
                          time, time / floorTime);
            out << line;
        }
        out.flush();
    }

  private:
    // with --benchmark_repetitions the median of the repetitions, which a busy machine
    // disturbs least
    static double median(std::vector<double> times) {
        std::sort(times.begin(), times.end());
        const std::size_t middle = times.size() / 2;
        return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    }

    std::map<std::string, std::vector<double>> timings;
    std::vector<std::string> order;
};
} // namespace

int main(int argc, char** argv) {
#ifdef QUORVEL_BENCH_RENDER
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // headless unless told otherwise
    QGuiApplication application(argc, argv);
    // the surface paints its panels from the table state, as at start-up
    Canvas canvas;
    if (!createTableSurface(canvas, freshTable())) {
        std::fprintf(stderr, "quorvel-bench: the sprite sheets did not load\n");
        return 1;
    }
    registerRendererBenchmarks(canvas);
#endif
    registerEngineBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
#ifdef QUORVEL_BENCH_RENDER
    releaseTableSurface(canvas);
#endif
    return 0;
}
