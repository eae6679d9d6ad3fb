#pragma once

#include "state/card_code.h"

#include <array>
#include <cstdint>

namespace zarvel {

// ChosenRank values: the group of four figure cards a reading is about.
enum FigureRank : std::int16_t {
    KingsRank = 1,
    JacksRank = 2,
    QueensRank = 3,
};

using FigureGroup = std::array<CardCode, 4>; // hearts, diamonds, clubs, spades

// The four codes of a rank group, or nullptr when the value names no group.
const FigureGroup *FigureGroupOf(int rank);

} // namespace zarvel
