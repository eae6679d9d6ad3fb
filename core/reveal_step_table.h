#pragma once

#include <array>
#include <string_view>

namespace zarvel {

// One laying step: the slot's picture control and its column (1 to 5).
struct RevealStepEntry {
    int slotImage;
    int column;
};

inline constexpr int SlotColumns = 5;
inline constexpr int LastLaidStep = 31;
inline constexpr int NotFoundStep = 35;

// Steps 1 to 31, row by row across the five columns; entry k - 1 is step k
// and lays DealCards slot k. Also the table's geometry: step k lies in row
// (k - 1) / 5 + 1.
extern const std::array<RevealStepEntry, LastLaidStep> RevealStepTable;

// What each column appends to the question: "-" and the text of the name
// box of person 1 to 4 standing above it, or, for person 0, a fixed text.
struct ColumnAnswer {
    int person;
    std::string_view fixedText;
};

extern const std::array<ColumnAnswer, SlotColumns> ColumnAnswerTable;

inline constexpr std::string_view NotFoundAnswer = "-Не выпало";

} // namespace zarvel
