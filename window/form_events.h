#pragma once

#include "state/reading_state.h"
#include "window/name_lines.h"

#include <cstdint>

namespace zarvel {

class Controls;
class RandomSource;

// The window's event wiring: one method per handled control event, each
// running the reading logic on the one reading state. The window forwards
// its events here and keeps no rules of its own.
class FormEvents {
public:
    FormEvents(Controls &controls, RandomSource &random);

    void FormLoad(const LinesRead &names);
    NameLines FormUnload() const;

    void Command1Click();                                   // "Раскинуть"
    void Timer1Timer();                                     // every 50 ms
    void Image45Click();                                    // the confirm picture
    void Combo1Click();                                     // a question picked
    void AssignNamesClick();                                // "Назначить имена"
    void FigureItemClick(std::int16_t figure, std::int16_t rank); // the sixteen picks

    const ReadingState &State() const { return state_; }

private:
    Controls &controls_;
    RandomSource &random_;
    ReadingState state_;
};

} // namespace zarvel
