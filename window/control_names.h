#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zarvel {

inline constexpr std::string_view Combo1 = "Combo1";
inline constexpr std::string_view Label5 = "Label5";
inline constexpr std::string_view ConfirmPicture = "Image45";
inline constexpr std::string_view CardBackPicture = "Image77";

inline constexpr std::array<std::string_view, 4> NameBoxes = {"Text1", "Text2", "Text3", "Text4"};
inline constexpr std::array<std::string_view, 4> NameLabels = {"Label1", "Label2", "Label3", "Label4"};

inline constexpr int FirstSlotImage = 46;
inline constexpr int LastSlotImage = 76;

// "Image" followed by the number: the picture control of that number.
std::string ImageControl(int number);

} // namespace zarvel
