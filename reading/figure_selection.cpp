#include "reading/figure_selection.h"

#include "reading/figure_items.h"
#include "window/control_names.h"
#include "window/controls.h"

namespace zarvel {

void SelectFigure(ReadingState &state, Controls &controls, std::int16_t figure, std::int16_t rank)
{
    state.ChosenFigure = figure;
    state.ChosenRank = rank;
    constexpr int FirstFigureImage = 40;
    const std::array<int, 5> row = FigureRowImages(rank);
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] != 0)
            controls.CopyPicture(ImageControl(FirstFigureImage + static_cast<int>(i)), ImageControl(row[i]));
    }
}

} // namespace zarvel
