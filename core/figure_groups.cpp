#include "figure_groups.h"

namespace zarvel {

namespace {

constexpr FigureGroup GroupOf(Rank rank)
{
    FigureGroup group{};
    for (Suit suit : AllSuits)
        group[IndexOf(suit)] = MakeCardCode(suit, rank);
    return group;
}

constexpr std::array<FigureGroup, 3> Groups = {GroupOf(Rank::King), GroupOf(Rank::Jack), GroupOf(Rank::Queen)};

} // namespace

const FigureGroup *FigureGroupOf(int rank)
{
    if (rank < KingsRank || rank > QueensRank)
        return nullptr;
    return &Groups[static_cast<std::size_t>(rank - 1)];
}

} // namespace zarvel
