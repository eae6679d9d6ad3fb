#pragma once

#include "reading_state.h"

namespace zarvel {

class Controls;
class RandomSource;

// Whether the deal throws back a drawn value x (0 to 39) for the given
// ChosenRank: the four cards of the rank's group, and 10, 20, 30, which
// name no card. Any other rank refuses only those three.
bool IsRefusedDraw(int rank, int x);

// Clears all 40 slots and fills slots 1 to 39 by the draw rule: reseed,
// draw x, refuse, place, search. Slot 40 stays empty. Returns the number
// of draws it took (typically one to three thousand).
int DrawLayout(ReadingState &state, RandomSource &random);

// "Раскинуть": with a figure chosen (ChosenFigure ≥ 1), draws a layout,
// hides the 31 card slots and starts the reveal from its first step.
// Without a figure it changes nothing at all.
void Deal(ReadingState &state, RandomSource &random, Controls &controls);

} // namespace zarvel
