#include "startup.h"

#include "control_names.h"
#include "controls.h"
#include "questions.h"

#include <array>

namespace zarvel {

void Load(ReadingState &state, Controls &controls, const LinesRead &names)
{
    const std::array<std::string *, 4> fields = {&state.Name1, &state.Name2, &state.Name3, &state.Name4};
    for (std::size_t i = 0; i < names.size() && i < NameBoxes.size(); ++i)
        *fields[i] = names[i];
    if (names.size() == NameBoxes.size()) {
        for (std::size_t i = 0; i < NameBoxes.size(); ++i)
            controls.SetText(NameBoxes[i], *fields[i]);
    }
    state.ChosenFigure = 0;
    state.RevealStep = 0;
    state.RevealState = RevealState::NotStarted;
    for (std::string_view question : Questions)
        controls.AppendItem(Combo1, question);
    for (int k = 1; k <= DealSlotCount; ++k)
        state.DealCards[k] = NoCard;
}

NameLines NamesToSave(const Controls &controls)
{
    NameLines names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = OneLineName(controls.Text(NameBoxes[i]));
    return names;
}

} // namespace zarvel
