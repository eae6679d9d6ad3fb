#pragma once

#include "name_lines.h"
#include "reading_state.h"

namespace zarvel {

class Controls;

// Start-up: the lines read from the names file (UTF-8) go into Name1
// onwards, and into the name boxes only when all four were read; then the
// reading state takes its initial values and Combo1 its questions.
void Load(ReadingState &state, Controls &controls, const LinesRead &names);

// Shutdown saves what the four name boxes hold at that moment, each made
// one line.
NameLines NamesToSave(const Controls &controls);

} // namespace zarvel
