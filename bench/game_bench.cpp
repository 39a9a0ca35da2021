// Whole games played by the bot, the time of every handler in them, and the heap
// allocations of steady ticks.
#include "alloc_counter.h"
#include "harness/temp_folder.h"
#include "headless_game.h"
#include "timed.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tumblehand::bench {

namespace {

// The records file of the bench games lives in a fresh folder that is removed at
// exit: on the disk (where game over's durable write waits for the device), or in
// memory (/dev/shm), which leaves the game's own work. Made on first use.
class RecordsFolders {
public:
    const std::string& disk() { return made(disk_, {}); }
    const std::string& memory() {
        return std::filesystem::is_directory("/dev/shm") ? made(memory_, "/dev/shm") : disk();
    }

private:
    static const std::string& made(std::optional<TempFolder>& folder, const std::filesystem::path& parent) {
        if (!folder) folder.emplace(parent);
        if (folder->path().empty()) std::abort();
        return folder->path();
    }

    std::optional<TempFolder> disk_;
    std::optional<TempFolder> memory_;
};

RecordsFolders& folders() {
    static RecordsFolders instance;
    return instance;
}

const std::string& recordsFolder() { return folders().disk(); }

// Argument 0: the records file on the disk; 1: in memory.
void HeadlessGames(benchmark::State& state) {
    HeadlessGame game(state.range(0) == 0 ? folders().disk() : folders().memory(), 7);
    std::int64_t pairs = 0;
    std::int64_t ticks = 0;
    std::int64_t unfinished = 0;
    for (auto _ : state) {
        const GameOutcome outcome = game.play();
        pairs += outcome.pairs;
        ticks += outcome.ticks;
        if (!outcome.over) ++unfinished;
    }
    const auto games = static_cast<double>(state.iterations());
    state.counters["games_per_s"] = benchmark::Counter(games, benchmark::Counter::kIsRate);
    state.counters["pairs_per_game"] = static_cast<double>(pairs) / games;
    state.counters["ticks_per_game"] = static_cast<double>(ticks) / games;
    state.counters["unfinished"] = static_cast<double>(unfinished);
}
BENCHMARK(HeadlessGames)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Apply(fixedIterations);

double percentile(std::vector<double>& values, double p) {
    if (values.empty()) return 0.0;
    const auto k = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k];
}

// Every handler of many games timed on its own: the median and the 99th percentile
// for each timer, in nanoseconds (the clock reads around it included).
void HandlerTimesInGames(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    HeadlessGame game(recordsFolder(), 11);
    std::array<std::vector<double>, 3> times;
    Clock::time_point start;
    game.beforeTick = [&](TickKind) { start = Clock::now(); };
    game.afterTick = [&](TickKind kind, bool) {
        const auto stop = Clock::now();
        times[static_cast<std::size_t>(kind)].push_back(std::chrono::duration<double, std::nano>(stop - start).count());
    };
    for (auto _ : state) game.play();
    const char* names[] = {"timer1", "timer2", "timer3"};
    for (std::size_t k = 0; k < times.size(); ++k) {
        const std::string name = names[k];
        state.counters[name + "_median_ns"] = percentile(times[k], 0.5);
        state.counters[name + "_p99_ns"] = percentile(times[k], 0.99);
        state.counters[name + "_max_ns"] = percentile(times[k], 1.0);
    }
}
BENCHMARK(HandlerTimesInGames)->Unit(benchmark::kMillisecond)->Iterations(200)->Apply(fixedIterations);

// Heap allocations in the steady ticks of whole games, after one game has warmed up
// the captions: a gravity tick that only moves the pair, every deal-in tick that does
// not end the game.
void AllocationsInSteadyTicks(benchmark::State& state) {
    HeadlessGame game(recordsFolder(), 13);
    game.play();
    std::uint64_t before = 0;
    std::array<std::uint64_t, 3> allocations{};
    std::array<std::uint64_t, 3> worst{};
    std::array<std::uint64_t, 3> ticks{};
    game.beforeTick = [&](TickKind) { before = allocationCount(); };
    game.afterTick = [&](TickKind kind, bool steady) {
        const std::uint64_t made = allocationCount() - before;
        if (!steady) return;
        const auto k = static_cast<std::size_t>(kind);
        allocations[k] += made;
        worst[k] = std::max(worst[k], made);
        ++ticks[k];
    };
    for (auto _ : state) game.play();
    const auto gravity = static_cast<std::size_t>(TickKind::Gravity);
    const auto dealIn = static_cast<std::size_t>(TickKind::DealIn);
    auto perTick = [&](std::size_t k) {
        return ticks[k] == 0 ? 0.0 : static_cast<double>(allocations[k]) / static_cast<double>(ticks[k]);
    };
    state.counters["gravity_ticks"] = static_cast<double>(ticks[gravity]);
    state.counters["gravity_allocs_per_tick"] = perTick(gravity);
    state.counters["gravity_allocs_max"] = static_cast<double>(worst[gravity]);
    state.counters["dealin_ticks"] = static_cast<double>(ticks[dealIn]);
    state.counters["dealin_allocs_per_tick"] = perTick(dealIn);
    state.counters["dealin_allocs_max"] = static_cast<double>(worst[dealIn]);
}
BENCHMARK(AllocationsInSteadyTicks)->Unit(benchmark::kMillisecond)->Iterations(50)->Apply(fixedIterations);

}  // namespace

}  // namespace tumblehand::bench

BENCHMARK_MAIN();
