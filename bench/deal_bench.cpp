// How long one "Раскинуть" takes: the whole draw loop with the real,
// clock-reseeded random source. Runs inside the click, so it must stay
// far below one timer tick.
#include "core/clock_random_source.h"
#include "core/deal.h"
#include "core/figure_groups.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

namespace {

// The thread's own CPU time: the slowest deal's work, not the moments the
// scheduler gave the core to something else.
double ThreadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

void BM_WholeDeal(benchmark::State &bench)
{
    zarvel::ClockRandomSource random;
    zarvel::ReadingState state;
    state.ChosenFigure = 1;
    state.ChosenRank = zarvel::KingsRank;
    long draws = 0;
    double slowestMicroseconds = 0;
    for (auto _ : bench) {
        const double start = ThreadCpuMicroseconds();
        draws += zarvel::DrawLayout(state, random);
        slowestMicroseconds = std::max(slowestMicroseconds, ThreadCpuMicroseconds() - start);
        benchmark::DoNotOptimize(state.DealCards[1]);
    }
    bench.counters["draws_per_deal"]
        = benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kAvgIterations);
    bench.counters["slowest_cpu_us"] = slowestMicroseconds;
}

BENCHMARK(BM_WholeDeal)->Unit(benchmark::kMicrosecond)->Iterations(10000)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
