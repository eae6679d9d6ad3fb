#pragma once

#include "state/reading_state.h"
#include "window/name_lines.h"

#include <optional>

namespace zarvel {

class Controls;

// Start-up: the names read from the names file (UTF-8, nothing when it
// could not be read or was short) go into Name1..Name4 and the name boxes;
// then the reading state takes its initial values and Combo1 its questions.
void Load(ReadingState &state, Controls &controls, const std::optional<NameLines> &names);

// Shutdown saves what the four name boxes hold at that moment.
NameLines NamesToSave(const Controls &controls);

} // namespace zarvel
