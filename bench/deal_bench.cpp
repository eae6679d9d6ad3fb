// How long one "Раскинуть" takes: the whole draw loop with the real,
// clock-reseeded random source. Runs inside the click, so it must stay
// far below one timer tick.
#include "reading/clock_random_source.h"
#include "reading/deal.h"
#include "state/figure_groups.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

void BM_WholeDeal(benchmark::State &bench)
{
    zarvel::ClockRandomSource random;
    zarvel::ReadingState state;
    state.ChosenFigure = 1;
    state.ChosenRank = zarvel::KingsRank;
    long draws = 0;
    double slowestMicroseconds = 0;
    for (auto _ : bench) {
        const auto start = std::chrono::steady_clock::now();
        draws += zarvel::DrawLayout(state, random);
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        slowestMicroseconds = std::max(slowestMicroseconds, took.count());
        benchmark::DoNotOptimize(state.DealCards[1]);
    }
    bench.counters["draws_per_deal"] = benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kAvgIterations);
    bench.counters["slowest_us"] = slowestMicroseconds;
}

BENCHMARK(BM_WholeDeal)->Unit(benchmark::kMicrosecond)->Iterations(10000)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
