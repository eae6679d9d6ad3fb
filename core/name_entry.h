#pragma once

#include "reading_state.h"

namespace zarvel {

class Controls;

// "Назначить имена": opens the name boxes and the confirm picture, once a
// figure is chosen.
void AssignNames(const ReadingState &state, Controls &controls);

// A click on the confirm picture: closes the name boxes and shows the names
// in the four labels.
void ConfirmNames(Controls &controls);

// A question picked from the list: shows it in the answer label.
void ChooseQuestion(Controls &controls);

} // namespace zarvel
