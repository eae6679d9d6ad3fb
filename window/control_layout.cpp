#include "window/control_layout.h"

#include <array>

namespace zarvel {

namespace {

constexpr std::array<int, 5> SlotColumnLeft = {1200, 3000, 4800, 6720, 8520};
constexpr std::array<int, 5> SlotColumnWidth = {1335, 1215, 1215, 1335, 1215};
constexpr std::array<int, 7> FirstColumnHeight = {1575, 1815, 1815, 1935, 2055, 2055, 2055};

QRect CatalogueFace(int suit, int rank)
{
    constexpr std::array<int, 4> FanLeft = {120, 2640, 5040, 7440};
    return FromTwips(FanLeft[static_cast<std::size_t>(suit)] + 120 * (rank - 1), 240, 1065, 1440);
}

std::vector<int> Range(int first, int last)
{
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}

QRect Slot(int row, int column)
{
    const auto c = static_cast<std::size_t>(column - 1);
    const int height = column == 1 ? FirstColumnHeight[static_cast<std::size_t>(row - 1)] : 1455;
    return FromTwips(SlotColumnLeft[c], 3960 + 120 * (row - 1), SlotColumnWidth[c], height);
}

} // namespace

QRect StoredPicturePlace(int n)
{
    switch (n) {
    case 10: return FromTwips(1320, 240, 975, 1575);
    case 20: return FromTwips(3720, 240, 1095, 1575);
    case 30: return FromTwips(6120, 240, 1095, 1575);
    case 40: return FromTwips(1200, 1680, 1455, 1575);
    case 41: return FromTwips(3000, 1680, 1215, 1455);
    case 42: return FromTwips(4800, 1680, 1095, 1575);
    case 43: return FromTwips(6600, 1680, 1335, 1575);
    case 44: return FromTwips(8280, 1680, 1455, 1575);
    case 45: return FromTwips(4920, 3240, 765, 300);
    case 76: return Slot(7, 1);
    case 77: return FromTwips(0, 4440, 1125, 1440);
    default: break;
    }
    if (n >= 1 && n <= 39)
        return CatalogueFace(n / 10, n % 10);
    if (n >= 46 && n <= 65)
        return Slot((n - 46) % 4 + 1, (n - 46) / 4 + 1);
    if (n >= 66 && n <= 75)
        return Slot((n - 66) / 5 + 5, (n - 66) % 5 + 1);
    return {};
}

std::vector<int> PicturesBehindLabels()
{
    return Range(1, 45);
}

std::vector<int> PicturesInFrontOfLabels()
{
    std::vector<int> order = Range(50, 65);
    for (int n : {67, 68, 69, 70, 72, 73, 74, 75, 77, 46, 47, 48, 49, 66, 71, 76})
        order.push_back(n);
    return order;
}

} // namespace zarvel
