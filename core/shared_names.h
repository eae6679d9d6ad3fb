#pragma once

#include "name_lines.h"

#include <array>
#include <cstdint>

namespace zarvel {

class Controls;

// The names when several copies of the program share one store (the page
// open in two tabs): each copy writes a box only when it was changed there,
// and takes every other box from the store, so no copy ever writes back a
// name older than the stored one. A box counts as changed when its
// Controls::TextVersion moved since the boxes last matched the store.
struct SharedNames {
    std::array<std::uint64_t, 4> synced{};
};

// After start-up: the boxes as they are now match the store.
void MarkNamesSynced(const Controls &controls, SharedNames &shared);

// The names to store: a box changed here, or every box when the stored
// lines are not four names, else the stored name. Boxes that were not
// changed take the stored name too, and all count as synced afterwards.
NameLines MergeNamesToStore(Controls &controls, SharedNames &shared, const LinesRead &stored);

// The store changed under another copy: every box not changed here takes
// its stored name; damaged or missing lines change nothing.
void TakeStoredNames(Controls &controls, SharedNames &shared, const LinesRead &stored);

} // namespace zarvel
