#pragma once

#include "state/card_code.h"
#include "state/one_based_array.h"

#include <cstdint>
#include <string>

namespace zarvel {

// RevealState values. Only RevealRunning is ever tested: the other two both
// mean that no reveal is running.
inline constexpr std::int16_t RevealStopped = 0;
inline constexpr std::int16_t RevealRunning = 1;
inline constexpr std::int16_t RevealNotStarted = 3;

inline constexpr int DealSlotCount = 40;

// Everything a reading remembers between events. Lives as long as the window.
struct ReadingState {
    std::int16_t ChosenFigure = 0; // the querent's card, 0 = none chosen
    std::int16_t ChosenRank = 0;   // FigureRank of the four people, 0 = none
    OneBasedArray<CardCode, DealSlotCount> DealCards{};
    std::int16_t RevealStep = 0;  // the step the next RevealNextCard performs
    std::int16_t RevealState = 0; // RevealRunning, RevealStopped or RevealNotStarted
    std::string Name1, Name2, Name3, Name4; // as read from the names file (UTF-8)

    bool operator==(const ReadingState &) const = default;
};

} // namespace zarvel
