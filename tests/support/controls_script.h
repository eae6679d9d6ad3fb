#pragma once

#include "core/controls.h"

#include <string>

namespace zarvel::test {

// What a person sees of one implementation of Controls, beyond what the
// operations themselves read back.
class ControlsView {
public:
    virtual ~ControlsView() = default;
    // On the screen; a picture control only while it shows a picture.
    virtual bool Seen(const std::string &control) const = 0;
    // `control` shows a picture, and it is the one `other` has.
    virtual bool SamePicture(const std::string &control, const std::string &other) const = 0;
    virtual std::string Caption(const std::string &label) const = 0;
    // The number of items in the list.
    virtual int Items(const std::string &combo) const = 0;
    // What screen readers have been told by `control` since the view was
    // made, each announcement's text in turn, joined by " | ".
    virtual std::string Told(const std::string &control) const = 0;
    // Whether Told hears anything here: a window where accessibility is off
    // tells screen readers nothing, and its told checks are left out.
    virtual bool HearsTold() const = 0;
};

// Runs the script of control operations and checks in tests/data (its
// head says what each line does) against `controls`, seen through `view`;
// each mismatch is a test failure naming the script's line.
void RunControlsScript(Controls &controls, const ControlsView &view);

} // namespace zarvel::test
