#pragma once

#include "browser_clock.h"
#include "core/clock_random_source.h"
#include "core/controls.h"
#include "core/form_events.h"
#include "core/shared_names.h"
#include "replay/scripted_random.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace zarvel {

// Chooses between the real random source and a replayed deal, which the
// browser tests use to lay known layouts, as the desktop tests do. A
// replayed layout serves the next deal only.
class SwitchableRandom final : public RandomSource {
public:
    void ReseedFromClock() override;
    float NextValue() override;
    void Replay(std::deque<int> draws);
    void EndReplay();

private:
    RandomSource &Current();
    ClockRandomSource clock_{BrowserClock};
    std::unique_ptr<replay::ScriptedRandom> replay_;
};

// Form1's reading over the page's controls, one method per handled event,
// with the names kept in the browser's storage as the names file's text.
class WebForm {
public:
    explicit WebForm(std::unique_ptr<Controls> controls);

    // The names read from storage.
    void Load(const std::string &stored);
    // The names to keep, over what is stored now: another tab may have
    // changed the boxes this one did not.
    std::string Unload(const std::string &stored);
    // Another tab stored names: the boxes not changed here take them.
    void TakeStored(const std::string &stored);
    void Raise(ControlEvent event);
    void Tick() { events_.Tick(); }
    void AssignNames() { events_.AssignNames(); }
    void SelectFigure(int figure, int rank);

    // For the browser tests: deal the layout `slotOne`, then `laterSlots`.
    void ReplayLayout(int slotOne, const std::vector<int> &laterSlots);
    int RevealState() const { return static_cast<int>(events_.State().RevealState); }

private:
    std::unique_ptr<Controls> controls_;
    SwitchableRandom random_;
    FormEvents events_;
    SharedNames shared_;
};

} // namespace zarvel
