#pragma once

#include <emscripten/emscripten.h>

#include <cstdint>

namespace zarvel {

// performance.now() moves in steps of 100 µs (5 µs when the page is
// cross-origin isolated) and costs about 450 ns a read, while a draw costs
// about 25 ns. A deal reseeds before each of its ~1 650 draws: reading the
// clock at each would cost ten times the deal and return the same value.
inline constexpr unsigned ReseedsPerClockReading = 256; // about the finest step

// The browser's clock in nanoseconds, read at most once every
// ReseedsPerClockReading calls; the calls between take the last reading.
inline std::uint64_t BrowserClock()
{
    static std::uint64_t reading = 0;
    static unsigned calls = 0;
    if (calls++ % ReseedsPerClockReading == 0)
        reading = static_cast<std::uint64_t>(emscripten_get_now() * 1e6);
    return reading;
}

} // namespace zarvel
