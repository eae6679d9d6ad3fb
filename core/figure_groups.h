#pragma once

#include "card_code.h"

#include <array>
#include <cstdint>

namespace zarvel {

// ChosenRank values: the group of four figure cards a reading is about,
// whose four people are named in Text1..Text4. A girl's reading is on the
// kings or the jacks, a young man's on the queens.
enum FigureRank : std::int16_t {
    KingsRank = 1,
    JacksRank = 2,
    QueensRank = 3,
};

using FigureGroup = std::array<CardCode, 4>; // in suit order: hearts, diamonds, clubs, spades

// The four codes of a rank group, or nullptr when `rank` names no group
// (0 before the first pick). The deal leaves these codes out of the deck.
const FigureGroup *FigureGroupOf(int rank);

} // namespace zarvel
