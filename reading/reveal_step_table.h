#pragma once

#include <array>
#include <string_view>

namespace zarvel {

// One laying step: the slot's picture control and its column (1 to 5).
struct RevealStepEntry {
    int slotImage;
    int column;
};

inline constexpr int LastLaidStep = 31;
inline constexpr int NotFoundStep = 35;

// Steps 1 to 31, row by row across the five columns; entry k - 1 is step k.
extern const std::array<RevealStepEntry, LastLaidStep> RevealStepTable;

// What each column appends to the question: either "-" and the text of a
// name box, or a fixed text for the middle column.
struct ColumnAnswer {
    std::string_view nameBox; // empty for the fixed text
    std::string_view fixedText;
};

extern const std::array<ColumnAnswer, 5> ColumnAnswerTable;

inline constexpr std::string_view NotFoundAnswer = "-Не выпало";

} // namespace zarvel
