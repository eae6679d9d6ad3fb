#pragma once

#include "control_layout.h"
#include "name_entry.h"
#include "name_lines.h"
#include "reading_state.h"

#include <cstdint>

namespace zarvel {

class Controls;
class RandomSource;

// The window's event wiring: one reading state, and one method per handled
// control event, named after what the user did. A front end forwards each
// event here and keeps no reading rule of its own. The controls and the
// random source are borrowed and must outlive this object.
class FormEvents {
public:
    FormEvents(Controls &controls, RandomSource &random);

    void Load(const LinesRead &names); // Form1 Load: before the window shows
    NameLines Unload() const;          // Form1 Unload: the names to save

    void Deal();           // Command1 Click, "Раскинуть"
    void Tick();           // Timer1 Timer, every 50 ms
    void ConfirmNames();   // Image45 Click, the confirm picture
    void ChooseQuestion(); // Combo1 Click: an item of the list chosen
    void AssignNames();    // Назначить_имена Click
    // The handler of a control's event, as the control table names it;
    // ControlEvent::None does nothing.
    void Raise(ControlEvent event);
    // Click of one of the sixteen figure items, with the item's own pair
    // from MenuTree.
    void SelectFigure(std::int16_t figure, std::int16_t rank);

    const ReadingState &State() const { return state_; }

private:
    Controls &controls_;
    RandomSource &random_;
    ReadingState state_;
    NameLabelCopies labelCopies_;
};

} // namespace zarvel
