#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zarvel {

// Every control is addressed by its own name, as the window names it. The
// picture controls are numbered "Image1" to "Image77"; their numbers carry
// meaning and are given here once.

inline constexpr std::string_view Form1 = "Form1";
inline constexpr std::string_view Form1Caption = "Zarvel";
inline constexpr std::string_view Timer1 = "Timer1";
inline constexpr int Timer1IntervalMs = 50;

inline constexpr std::string_view Combo1 = "Combo1";     // the question
inline constexpr std::string_view Command1 = "Command1"; // "Раскинуть"
inline constexpr std::string_view Label5 = "Label5";     // the question, then the answer

// Box k belongs to label k and to the k-th person of the reading.
inline constexpr std::array<std::string_view, 4> NameBoxes = {"Text1", "Text2", "Text3", "Text4"};
inline constexpr std::array<std::string_view, 4> NameLabels = {"Label1", "Label2", "Label3", "Label4"};

// Image1..Image39: the hidden catalogue, the face of card code N in ImageN.
inline constexpr int FirstCatalogueImage = 1;
inline constexpr int LastCatalogueImage = 39;
// Image40..Image44: the figure row, the group with the ace of hearts.
inline constexpr int FirstFigureRowImage = 40;
inline constexpr int FigureRowLength = 5;
// Image45: the confirm picture "Ок", a button that closes name entry.
inline constexpr int ConfirmImage = 45;
// Image46..Image76: the 31 card slots of the table.
inline constexpr int FirstSlotImage = 46;
inline constexpr int LastSlotImage = 76;
// A card of the table: the figure row or a slot (a narrow screen draws
// them as one picture).
constexpr bool OnTheTable(int number)
{
    return (number >= FirstFigureRowImage && number < FirstFigureRowImage + FigureRowLength)
        || (number >= FirstSlotImage && number <= LastSlotImage);
}
// Image77: the card back, hidden, only copied from.
inline constexpr int CardBackImage = 77;
inline constexpr int ImageCount = 77;

// "Image" followed by the number: ImageControl(45) is "Image45".
std::string ImageControl(int number);

} // namespace zarvel
