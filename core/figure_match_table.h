#pragma once

#include "card_code.h"

#include <array>
#include <cstdint>

namespace zarvel {

// Which dealt code ends the reveal for each ChosenFigure, and the picture
// control whose face the slot then shows.
struct FigureMatch {
    std::int16_t figure;
    CardCode code;
    int faceImage;
};

extern const std::array<FigureMatch, 12> FigureMatchTable;

// The row whose figure and code both match, or nullptr.
const FigureMatch *MatchFigure(int chosenFigure, int dealtCode);

} // namespace zarvel
