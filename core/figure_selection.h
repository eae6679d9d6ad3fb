#pragma once

#include "reading_state.h"

#include <cstdint>

namespace zarvel {

class Controls;

// A figure pick: records the querent's card and the group of the reading,
// and shows the group with the ace of hearts in Image40..Image44.
void SelectFigure(ReadingState &state, Controls &controls, std::int16_t figure, std::int16_t rank);

} // namespace zarvel
