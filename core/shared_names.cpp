#include "shared_names.h"

#include "control_names.h"
#include "controls.h"

namespace zarvel {

namespace {

// Puts the names into the boxes (every box, or those not changed here) and
// counts those boxes as matching the store.
void PutNames(Controls &controls, SharedNames &shared, const LinesRead &names, bool everyBox)
{
    for (std::size_t i = 0; i < NameBoxes.size(); ++i) {
        if (!everyBox && controls.TextVersion(NameBoxes[i]) != shared.synced[i])
            continue;
        if (controls.Text(NameBoxes[i]) != names[i])
            controls.SetText(NameBoxes[i], names[i]);
        shared.synced[i] = controls.TextVersion(NameBoxes[i]);
    }
}

} // namespace

void MarkNamesSynced(const Controls &controls, SharedNames &shared)
{
    for (std::size_t i = 0; i < NameBoxes.size(); ++i)
        shared.synced[i] = controls.TextVersion(NameBoxes[i]);
}

NameLines MergeNamesToStore(Controls &controls, SharedNames &shared, const LinesRead &stored)
{
    NameLines names;
    const bool whole = stored.size() == NameBoxes.size();
    for (std::size_t i = 0; i < NameBoxes.size(); ++i) {
        const bool changedHere = controls.TextVersion(NameBoxes[i]) != shared.synced[i];
        names[i] = changedHere || !whole ? OneLineName(controls.Text(NameBoxes[i])) : stored[i];
    }
    PutNames(controls, shared, LinesRead(names.begin(), names.end()), true);
    return names;
}

void TakeStoredNames(Controls &controls, SharedNames &shared, const LinesRead &stored)
{
    if (stored.size() == NameBoxes.size())
        PutNames(controls, shared, stored, false);
}

} // namespace zarvel
