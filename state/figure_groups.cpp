#include "state/figure_groups.h"

namespace zarvel {

namespace {

constexpr std::array<FigureGroup, 3> Groups = {{
    {8, 18, 28, 38}, // kings
    {6, 16, 26, 36}, // jacks
    {7, 17, 27, 37}, // queens
}};

} // namespace

const FigureGroup *FigureGroupOf(int rank)
{
    if (rank < KingsRank || rank > QueensRank)
        return nullptr;
    return &Groups[static_cast<std::size_t>(rank - 1)];
}

} // namespace zarvel
