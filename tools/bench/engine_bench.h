#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

// The benchmark that every other figure is divided by: one plain copy of the 800 x 600
// back buffer at 4 bytes a pixel.
inline constexpr const char* floorBenchmark = "floor/backBufferCopy";

struct Canvas;
struct TableState;

void registerEngineBenchmarks();
// Only when the renderer is built in; its benchmarks draw into `canvas`, which outlives them.
void registerRendererBenchmarks(Canvas& canvas);

// The benchmarks' one table, started afresh as the game does, with the draws fixed.
TableState& freshTable();

// Times `work` alone, for benchmarks whose set-up between iterations must not count.
template <class Work> void timeOnly(benchmark::State& state, Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}
