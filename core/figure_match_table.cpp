#include "figure_match_table.h"

namespace zarvel {

// Tested in this order; the figure values differ, so at most one row matches.
const std::array<FigureMatch, 12> FigureMatchTable = {{
    {16, 6, 6},   // jack of hearts
    {17, 16, 16}, // jack of diamonds
    {18, 26, 26}, // jack of clubs
    {19, 36, 36}, // jack of spades
    {1, 7, 7},    // queen of hearts
    {2, 17, 17},  // queen of diamonds
    {3, 27, 27},  // queen of clubs
    {4, 37, 37},  // queen of spades
    {11, 8, 8},   // king of hearts
    {12, 18, 18}, // king of diamonds
    {13, 28, 28}, // king of clubs
    {14, 38, 38}, // king of spades
}};

const FigureMatch *MatchFigure(int chosenFigure, int dealtCode)
{
    const FigureMatch *match = nullptr;
    for (const FigureMatch &row : FigureMatchTable) {
        if (row.figure == chosenFigure && row.code == dealtCode)
            match = &row;
    }
    return match;
}

} // namespace zarvel
