#include "reveal_step_table.h"

namespace zarvel {

const std::array<RevealStepEntry, LastLaidStep> RevealStepTable = {{
    {46, 1}, {50, 2}, {54, 3}, {58, 4}, {62, 5}, // row 1
    {47, 1}, {51, 2}, {55, 3}, {59, 4}, {63, 5}, // row 2
    {48, 1}, {52, 2}, {56, 3}, {60, 4}, {64, 5}, // row 3
    {49, 1}, {53, 2}, {57, 3}, {61, 4}, {65, 5}, // row 4
    {66, 1}, {67, 2}, {68, 3}, {69, 4}, {70, 5}, // row 5
    {71, 1}, {72, 2}, {73, 3}, {74, 4}, {75, 5}, // row 6
    {76, 1},                                     // row 7
}};

// The middle column lies under the ace of hearts, which stands for nobody
// named: a stranger.
const std::array<ColumnAnswer, SlotColumns> ColumnAnswerTable = {{
    {1, {}},
    {2, {}},
    {0, "-Незнакомец(ка)"},
    {3, {}},
    {4, {}},
}};

} // namespace zarvel
