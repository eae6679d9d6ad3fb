#pragma once

#include "core/random_source.h"

#include <deque>
#include <stdexcept>
#include <vector>

namespace zarvel::replay {

struct ScriptExhausted : std::runtime_error {
    ScriptExhausted()
        : std::runtime_error("the scripted draws ran out")
    {
    }
};

// A random source that plays back a script of draws x (0..39) as values r
// with floor(40 r) = x, so that a deal lays a known layout: the tests, the
// README's screenshot and the window's measurements all deal from one.
// Throws ScriptExhausted once the draws run out, so a test can stop a deal
// at any draw and look at the slots.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> draws)
        : draws_(std::move(draws))
    {
    }

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

// The draws that lay `slotOne` in slot 1 and `laterSlots` in slots 2 to 39
// (repeated from its start when shorter), ending the deal with a draw of 0
// when `endDeal`. Each code of a later slot is drawn twice: the first draw
// puts it into slot 1, the second into the next gap and clears slot 1.
std::deque<int> LayoutDraws(int slotOne, const std::vector<int> &laterSlots, bool endDeal = true);

} // namespace zarvel::replay
