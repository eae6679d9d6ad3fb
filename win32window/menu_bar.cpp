#include "menu_bar.h"

#include "wide_text.h"

#include <array>

namespace zarvel {

namespace {

// A menu shows "&" as the mark of the next letter's key: a caption's own
// "&" is doubled.
std::wstring MenuCaption(std::string_view caption)
{
    std::wstring text;
    for (const wchar_t c : Wide(caption)) {
        text += c;
        if (c == L'&')
            text += c;
    }
    return text;
}

} // namespace

HMENU BuildMenuBar()
{
    // The open submenu of each level is the parent of the deeper rows that
    // follow it.
    std::array<HMENU, 5> openAtLevel{};
    openAtLevel[0] = CreateMenu();
    for (std::size_t i = 0; i < MenuTree.size(); ++i) {
        const MenuEntry &entry = MenuTree[i];
        HMENU parent = openAtLevel.at(static_cast<std::size_t>(entry.level));
        const std::wstring caption = MenuCaption(entry.caption);
        if (CommandOf(entry) == MenuCommand::OpenSubmenu) {
            HMENU submenu = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
            openAtLevel.at(static_cast<std::size_t>(entry.level) + 1) = submenu;
        } else {
            AppendMenuW(parent, MF_STRING, FirstMenuCommand + i, caption.c_str());
        }
    }
    return openAtLevel[0];
}

const MenuEntry *MenuEntryOf(UINT command)
{
    if (command < FirstMenuCommand || command - FirstMenuCommand >= MenuTree.size())
        return nullptr;
    return &MenuTree[command - FirstMenuCommand];
}

} // namespace zarvel
