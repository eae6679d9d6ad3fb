#pragma once

#include "core/menu_tree.h"

#include <windows.h>

namespace zarvel {

// The window's menu bar, built from the core's menu tree: each row is an
// item whose command identifier is FirstMenuCommand plus its index in the
// tree; a row that opens a submenu holds the deeper rows after it.
inline constexpr UINT FirstMenuCommand = 1000;
HMENU BuildMenuBar();

// The tree's row of a menu command, or nullptr for another identifier.
const MenuEntry *MenuEntryOf(UINT command);

} // namespace zarvel
