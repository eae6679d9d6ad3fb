#pragma once

#include "name_entry.h"
#include "reading_state.h"

namespace zarvel {

class Controls;

// Performs step RevealStep of the reveal and advances it: steps 1 to 31 lay
// one card face down (face up when it is the querent's card, which stops
// the reveal) and write the question with the column's answer; step 35
// writes the "not dealt" answer; other steps do nothing.
void RevealNextCard(ReadingState &state, Controls &controls);

// Timer1's tick: one reveal step while a reveal runs, then, once a figure
// is chosen, the four name labels show and repeat the four name boxes
// (only the boxes that changed since `copies` was last updated).
void TimerTick(ReadingState &state, Controls &controls, NameLabelCopies &copies);

} // namespace zarvel
