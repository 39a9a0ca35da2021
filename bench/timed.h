#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace tumblehand::bench {

/// Runs setup untimed and body timed in every iteration (register the benchmark with
/// UseManualTime). The two clock reads cost some tens of nanoseconds; the
/// ClockOverhead benchmark shows how much, for subtraction.
template <class Setup, class Body>
void timedLoop(benchmark::State& state, Setup&& setup, Body&& body) {
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        setup();
        const auto start = Clock::now();
        body();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}

/// With TUMBLEHAND_BENCH_ITERATIONS=n every benchmark runs exactly n iterations, once:
/// bench/instructions.sh counts instructions per call that way.
inline void fixedIterations(benchmark::internal::Benchmark* b) {
    if (const char* n = std::getenv("TUMBLEHAND_BENCH_ITERATIONS")) {
        b->Iterations(std::atoll(n));
    }
}

}  // namespace tumblehand::bench
