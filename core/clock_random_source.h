#pragma once

#include "random_source.h"

#include <cstdint>
#include <random>

namespace zarvel {

// The real random source: a 64-bit state that every reseed folds the clock
// reading into, and every draw advances through SplitMix64's finaliser.
// Reseeding keeps the previous state in the mix, so an unchanged clock
// reading still moves the generator on. Both operations cost a few
// nanoseconds, which matters because a deal makes thousands of draws.
class ClockRandomSource final : public RandomSource {
public:
    using Clock = std::uint64_t (*)();

    // The clock is injectable so tests can freeze it.
    explicit ClockRandomSource(Clock clock = CoarseClockNanoseconds);

    void ReseedFromClock() override;
    float NextValue() override;

    static std::uint64_t CoarseClockNanoseconds();

private:
    std::uint64_t Advance();

    Clock clock_;
    std::uint64_t state_;
};

} // namespace zarvel
