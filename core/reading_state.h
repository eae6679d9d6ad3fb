#pragma once

#include "card_code.h"
#include "one_based_array.h"

#include <cstdint>
#include <string>

namespace zarvel {

// Where the reveal stands. Only Running is ever tested: the other two both
// mean that no reveal is running.
enum class RevealState : std::int16_t {
    Stopped = 0,    // the querent's card was found; set by RevealNextCard
    Running = 1,    // set by the deal; every tick runs one reveal step
    NotStarted = 3, // no deal since start-up; set by start-up
};

inline constexpr int DealSlotCount = 40;

// Everything a reading remembers between events. One lives in FormEvents
// as long as the window; the handlers change it and nothing else does.
struct ReadingState {
    // The querent's own card: 0 before the first figure pick (start-up sets
    // 0), else the pick's value, which names the card thus:
    //   1–4   the queen of hearts, diamonds, clubs, spades (ChosenRank 1 or 2)
    //   11–14 the king of hearts, diamonds, clubs, spades (ChosenRank 3)
    //   16–19 the jack of hearts, diamonds, clubs, spades (ChosenRank 3)
    // Set by SelectFigure; read by the deal and name entry (which act only
    // from 1 on), by the reveal (FigureMatchTable) and by the tick.
    std::int16_t ChosenFigure = 0;
    // The figure group of the reading, a FigureRank (1 kings, 2 jacks,
    // 3 queens), 0 before the first pick. Set by SelectFigure, read by the
    // deal, which leaves the group's four codes out of the deck.
    std::int16_t ChosenRank = 0;
    // The dealt layout, slots 1 to 40: a CardCode per slot, NoCard where
    // empty. Cleared by start-up and by the deal, which fills slots 1 to 39;
    // the reveal shows slots 1 to 31.
    OneBasedArray<CardCode, DealSlotCount> DealCards{};
    // The step the next RevealNextCard performs: 0 after start-up and after
    // a deal, then advanced by every RevealNextCard up to a fixed limit.
    std::int16_t RevealStep = 0;
    // Qualified: the field keeps the name of its type.
    zarvel::RevealState RevealState = zarvel::RevealState::Stopped;
    // The four lines read from the names file at start-up (UTF-8), in file
    // order; they serve only to fill the name boxes then.
    std::string Name1, Name2, Name3, Name4;

    bool operator==(const ReadingState &) const = default;
};

} // namespace zarvel
