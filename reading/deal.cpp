#include "reading/deal.h"

#include "reading/random_source.h"
#include "reading/reveal.h"
#include "state/figure_groups.h"
#include "window/control_names.h"
#include "window/controls.h"

#include <algorithm>
#include <cmath>

namespace zarvel {

namespace {

constexpr int LastDrawnSlot = 39; // slot 40 is cleared but never filled

int DrawValue(RandomSource &random)
{
    random.ReseedFromClock();
    const double r = random.NextValue();
    // Clamped so that a source straying outside [0, 1) can never index
    // outside the deck.
    return std::clamp(static_cast<int>(std::floor(40.0 * r)), 0, 39);
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

bool IsRefusedDraw(int rank, int x)
{
    if (x == 10 || x == 20 || x == 30)
        return true;
    const FigureGroup *group = FigureGroupOf(rank);
    return group != nullptr && std::find(group->begin(), group->end(), x) != group->end();
}

int DrawLayout(ReadingState &state, RandomSource &random)
{
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
        if (IsRefusedDraw(state.ChosenRank, x))
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
    state.RevealState = RevealRunning;
    state.RevealStep = 0;
    for (int n = FirstSlotImage; n <= LastSlotImage; ++n)
        controls.SetVisible(ImageControl(n), false);
    RevealNextCard(state, controls);
}

} // namespace zarvel
