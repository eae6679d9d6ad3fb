#pragma once

#include "reading/random_source.h"

#include <deque>
#include <stdexcept>

namespace zarvel::test {

struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("the scripted draws ran out") {}
};

// Hands out the scripted draws x (0..39) as values r with floor(40 r) = x,
// and throws once they run out, so a test can stop a deal at any draw and
// look at the slots.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> draws) : draws_(std::move(draws)) {}

    void ReseedFromClock() override { ++reseeds; }
    float NextValue() override
    {
        if (draws_.empty())
            throw ScriptExhausted();
        const int x = draws_.front();
        draws_.pop_front();
        ++values;
        return (static_cast<float>(x) + 0.5f) / 40.0f;
    }

    int reseeds = 0;
    int values = 0;

private:
    std::deque<int> draws_;
};

} // namespace zarvel::test
