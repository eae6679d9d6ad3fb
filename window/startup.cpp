#include "window/startup.h"

#include "reading/questions.h"
#include "window/control_names.h"
#include "window/controls.h"

namespace zarvel {

void Load(ReadingState &state, Controls &controls, const std::optional<NameLines> &names)
{
    if (names) {
        state.Name1 = (*names)[0];
        state.Name2 = (*names)[1];
        state.Name3 = (*names)[2];
        state.Name4 = (*names)[3];
        controls.SetText(NameBoxes[0], state.Name1);
        controls.SetText(NameBoxes[1], state.Name2);
        controls.SetText(NameBoxes[2], state.Name3);
        controls.SetText(NameBoxes[3], state.Name4);
    }
    state.ChosenFigure = 0;
    state.RevealStep = 0;
    state.RevealState = RevealNotStarted;
    for (std::string_view question : Questions)
        controls.AppendItem(Combo1, question);
    for (int k = 1; k <= DealSlotCount; ++k)
        state.DealCards[k] = NoCard;
}

NameLines NamesToSave(const Controls &controls)
{
    NameLines names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = controls.Text(NameBoxes[i]);
    return names;
}

} // namespace zarvel
