#include "name_entry.h"

#include "control_layout.h"
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

void CopyNamesToLabels(Controls &controls, NameLabelCopies &copies, bool everyBox)
{
    for (std::size_t i = 0; i < NameLabels.size(); ++i) {
        const std::uint64_t version = controls.TextVersion(NameBoxes[i]);
        if (!everyBox && version == copies.versions[i])
            continue;
        controls.SetCaption(NameLabels[i], VisibleCaption(NameLabels[i], controls.Text(NameBoxes[i])));
        copies.versions[i] = version;
    }
}

void ConfirmNames(Controls &controls, NameLabelCopies &copies)
{
    for (std::string_view box : NameBoxes)
        controls.SetVisible(box, false);
    controls.SetVisible(ImageControl(ConfirmImage), false);
    CopyNamesToLabels(controls, copies, true);
    for (std::string_view label : NameLabels)
        controls.SetVisible(label, true);
    copies.shown = true;
}

void ChooseQuestion(Controls &controls) { controls.SetCaption(Label5, VisibleCaption(Label5, controls.Text(Combo1))); }

} // namespace zarvel
