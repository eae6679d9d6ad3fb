#pragma once

#include "state/reading_state.h"

namespace zarvel {

class Controls;
class RandomSource;

// Whether the deal throws back a drawn value x for the given ChosenRank:
// the four cards of the rank's group and 10, 20, 30, which name no card.
bool IsRefusedDraw(int rank, int x);

// Clears all 40 slots and fills slots 1 to 39 by the draw rule (refuse,
// place, search). Returns the number of draws it took.
int DrawLayout(ReadingState &state, RandomSource &random);

// The "Раскинуть" button: with a figure chosen, draws a layout, hides the
// 31 card slots and starts the reveal. Without a figure it does nothing.
void Deal(ReadingState &state, RandomSource &random, Controls &controls);

} // namespace zarvel
