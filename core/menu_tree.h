#pragma once

#include "control_names.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zarvel {

// The window's menu tree in menu order. A row with figure 0 only opens the
// submenu of the rows after it with a deeper level, except the bar command
// "Назначить имена"; the other rows are the sixteen figure picks.
struct MenuEntry {
    int level; // 0 = on the menu bar
    std::string_view control;
    std::string_view caption;
    std::int16_t figure; // ChosenFigure set by the pick, 0 for other rows
    std::int16_t rank;   // ChosenRank set by the pick
};

extern const std::array<MenuEntry, 25> MenuTree;

inline constexpr std::string_view AssignNamesCommand = "Назначить_имена";

// What a click on a menu row does.
enum class MenuCommand { OpenSubmenu, PickFigure, AssignNames };
MenuCommand CommandOf(const MenuEntry &entry);

// The figure row Image40..Image44 for a ChosenRank: the picture controls
// copied in, hearts, clubs, the ace of hearts, diamonds, spades.
// Empty (all 0) for a value that names no group.
std::array<int, FigureRowLength> FigureRowImages(int rank);

} // namespace zarvel
