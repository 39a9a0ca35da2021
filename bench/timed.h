#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

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

}  // namespace tumblehand::bench
