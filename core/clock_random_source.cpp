#include "clock_random_source.h"

#include <chrono>
#include <ctime>

namespace zarvel {

namespace {

// SplitMix64's increment and finaliser: a full-period state walk whose
// outputs pass BigCrush, cheap enough to run for every draw.
constexpr std::uint64_t GoldenGamma = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

ClockRandomSource::ClockRandomSource(Clock clock)
    : clock_(clock)
    // Different program runs start from different states even when the
    // clock is frozen by a test.
    , state_(std::random_device{}())
{
}

std::uint64_t ClockRandomSource::CoarseClockNanoseconds()
{
#if defined(CLOCK_MONOTONIC_COARSE) && !defined(__EMSCRIPTEN__)
    // The deal reads the clock before each of its thousands of draws: the
    // coarse clock costs a third of the precise one, and the fold in
    // ReseedFromClock does not need fine readings to keep moving.
    timespec coarse{};
    if (clock_gettime(CLOCK_MONOTONIC_COARSE, &coarse) == 0)
        return static_cast<std::uint64_t>(coarse.tv_sec) * 1'000'000'000U + static_cast<std::uint64_t>(coarse.tv_nsec);
#endif
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

std::uint64_t ClockRandomSource::Advance()
{
    state_ += GoldenGamma;
    return Mix(state_);
}

void ClockRandomSource::ReseedFromClock()
{
    // Folding (not replacing) keeps the old state in play, so a repeated
    // clock reading still yields a new state.
    state_ = Mix(state_ ^ clock_());
}

float ClockRandomSource::NextValue()
{
    // The top 24 bits fill a float's mantissa exactly: the result is a
    // multiple of 2^-24 and can never round up to 1.
    return static_cast<float>(Advance() >> 40) * 0x1p-24f;
}

} // namespace zarvel
