#include "deal.h"

#include "control_names.h"
#include "controls.h"
#include "figure_groups.h"
#include "random_source.h"
#include "reveal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zarvel {

namespace {

constexpr int LastDrawnSlot = 39; // slot 40 is cleared but never filled
constexpr int DrawRange = 40;     // x = floor(40 r) lies in 0..39

int DrawValue(RandomSource &random)
{
    random.ReseedFromClock();
    const double r = random.NextValue();
    // Clamped so that a source straying outside [0, 1) can never index
    // outside the deck.
    return std::clamp(static_cast<int>(std::floor(DrawRange * r)), 0, DrawRange - 1);
}

// Bit x is set for each refused x.
std::uint64_t RefusedDraws(int rank)
{
    std::uint64_t refused = 1ULL << 10 | 1ULL << 20 | 1ULL << 30;
    if (const FigureGroup *group = FigureGroupOf(rank)) {
        for (CardCode code : *group)
            refused |= 1ULL << code;
    }
    return refused;
}

// The lowest slot from `from` to 39 holding `code`, or 0 when none does.
int FirstSlotHolding(const ReadingState &state, int from, int code)
{
    for (int k = from; k <= LastDrawnSlot; ++k) {
        if (state.DealCards[k] == code)
            return k;
    }
    return 0;
}

} // namespace

bool IsRefusedDraw(int rank, int x) { return x >= 0 && x < DrawRange && (RefusedDraws(rank) >> x & 1U) != 0; }

int DrawLayout(ReadingState &state, RandomSource &random)
{
    const std::uint64_t refused = RefusedDraws(state.ChosenRank);
    for (int k = 1; k <= DealSlotCount; ++k)
        state.DealCards[k] = NoCard;

    // New codes enter only through slot 1; a code placed further on is at
    // once searched for and cleared at its earliest place, which moves
    // repeated codes towards the back. The loop ends only when a draw finds
    // no place to clear, which needs all of slots 1 to 39 filled.
    int draws = 0;
    for (;;) {
        const int x = DrawValue(random);
        ++draws;
        if ((refused >> x & 1U) != 0)
            continue;
        if (x != NoCard) {
            if (state.DealCards[1] == NoCard) {
                state.DealCards[1] = static_cast<CardCode>(x);
                continue;
            }
            if (const int gap = FirstSlotHolding(state, 2, NoCard))
                state.DealCards[gap] = static_cast<CardCode>(x);
        }
        const int found = FirstSlotHolding(state, 1, x);
        if (found == 0)
            return draws;
        state.DealCards[found] = NoCard;
    }
}

void Deal(ReadingState &state, RandomSource &random, Controls &controls)
{
    if (state.ChosenFigure < 1)
        return;
    DrawLayout(state, random);
    state.RevealState = RevealState::Running;
    state.RevealStep = 0;
    for (int n = FirstSlotImage; n <= LastSlotImage; ++n)
        controls.SetVisible(ImageControl(n), false);
    RevealNextCard(state, controls);
}

} // namespace zarvel
