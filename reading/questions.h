#pragma once

#include <array>
#include <string_view>

namespace zarvel {

// The question list of Combo1, in the order it is filled.
extern const std::array<std::string_view, 18> Questions;

} // namespace zarvel
