// How long one deal's draw loop takes in WebAssembly: with the browser's
// clock read before every draw, read as the page reads it, and with a
// clock that costs nothing, to tell them apart. Run with Node.js (V8, as in Chromium):
//   node build/web-build/deal_bench.js
#include "browser_clock.h"
#include "core/clock_random_source.h"
#include "core/deal.h"
#include "core/figure_groups.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::uint64_t EveryDrawClock() { return static_cast<std::uint64_t>(emscripten_get_now() * 1e6); }
std::uint64_t FrozenClock() { return 0; }

// The median of 5 runs of 2000 deals, in microseconds per deal.
double MedianDealMicroseconds(zarvel::ClockRandomSource::Clock clock)
{
    zarvel::ClockRandomSource random(clock);
    zarvel::ReadingState state;
    state.ChosenFigure = 1;
    state.ChosenRank = zarvel::KingsRank;
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        const double start = emscripten_get_now();
        for (int i = 0; i < 2000; ++i)
            zarvel::DrawLayout(state, random);
        runs.push_back((emscripten_get_now() - start) * 1000.0 / 2000);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace

int main()
{
    std::printf(
        "deal in WebAssembly, browser clock read before every draw: %.1f us\n", MedianDealMicroseconds(EveryDrawClock));
    std::printf("deal in WebAssembly, browser clock read as the page does:  %.1f us\n",
        MedianDealMicroseconds(zarvel::BrowserClock));
    std::printf(
        "deal in WebAssembly, clock not read:                     %.1f us\n", MedianDealMicroseconds(FrozenClock));
    return 0;
}
