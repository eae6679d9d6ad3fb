#include "name_entry.h"

#include "control_names.h"
#include "controls.h"

namespace zarvel {

void AssignNames(const ReadingState &state, Controls &controls)
{
    if (state.ChosenFigure < 1)
        return;
    for (std::string_view box : NameBoxes)
        controls.SetVisible(box, true);
    controls.SetVisible(ImageControl(ConfirmImage), true);
}

void ConfirmNames(Controls &controls)
{
    for (std::string_view box : NameBoxes)
        controls.SetVisible(box, false);
    controls.SetVisible(ImageControl(ConfirmImage), false);
    for (std::size_t i = 0; i < NameLabels.size(); ++i)
        controls.SetCaption(NameLabels[i], controls.Text(NameBoxes[i]));
    for (std::string_view label : NameLabels)
        controls.SetVisible(label, true);
}

void ChooseQuestion(Controls &controls) { controls.SetCaption(Label5, controls.Text(Combo1)); }

} // namespace zarvel
