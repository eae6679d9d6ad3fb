#pragma once

#include "reading_state.h"

#include <array>
#include <cstdint>

namespace zarvel {

class Controls;

// What the name labels hold: whether they have been shown, and for each the
// version (Controls::TextVersion) of the box text it shows. A label takes
// its box again only when the box changed since, so an idle tick costs
// nothing, however long the names. Whatever copies a box into its label
// records it here.
struct NameLabelCopies {
    bool shown = false;
    std::array<std::uint64_t, 4> versions{};
};

// Copies each box into its label: every box, or only those that changed
// since their label took them.
void CopyNamesToLabels(Controls &controls, NameLabelCopies &copies, bool everyBox);

// "Назначить имена": opens the name boxes and the confirm picture, once a
// figure is chosen.
void AssignNames(const ReadingState &state, Controls &controls);

// A click on the confirm picture: closes the name boxes and shows the names
// in the four labels.
void ConfirmNames(Controls &controls, NameLabelCopies &copies);

// A question picked from the list: shows it in the answer label.
void ChooseQuestion(Controls &controls);

} // namespace zarvel
