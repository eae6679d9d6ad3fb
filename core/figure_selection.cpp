#include "figure_selection.h"

#include "control_names.h"
#include "controls.h"
#include "menu_tree.h"

namespace zarvel {

void SelectFigure(ReadingState &state, Controls &controls, std::int16_t figure, std::int16_t rank)
{
    state.ChosenFigure = figure;
    state.ChosenRank = rank;
    const std::array<int, FigureRowLength> row = FigureRowImages(rank);
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] != 0)
            controls.CopyPicture(ImageControl(FirstFigureRowImage + static_cast<int>(i)), ImageControl(row[i]));
    }
}

} // namespace zarvel
